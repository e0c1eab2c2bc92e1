#pragma once
// Trimming as the program's forms and lists do it: only the blank (code 32) is padding; tabs and
// line breaks are part of the text. The reading trims std::string_view, the windows QString;
// any text with size(), data() and operator[] will do.
namespace pinnacle {

template <class Text> Text TrimBlanks(const Text &text) {
    decltype(text.size()) first = 0;
    decltype(text.size()) last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return Text(text.data() + first, last - first);
}

} // namespace pinnacle
