#include "Branding.h"
#include "Layouts.h"

// The About window: the program's name and purpose, two links and OK.
const WindowLayout &AboutWindowLayout() {
    using enum Kind;
    using namespace Look;
    using namespace Colours;
    using namespace Fonts;
    // clang-format off
    static const WindowLayout layout{
        .name = "frmAbout", .width = 6825, .height = 3660, .back = Blue,
        .controls = {
            {.name = "Picture1", .kind = Picture, .rect = {120, 120, 480, 480}, .tab = 6, .look = SizedToPicture, .spoken = "Program icon"},
            {.name = "cmdOK", .kind = Button, .caption = "OK", .rect = {5400, 3240, 1260, 345}, .tab = 0, .look = Default | Cancel, .back = Blue},
            {.name = "Line1", .kind = Line, .rect = {-60, 3150, 6900, 0}, .fore = White, .spoken = "Separator"},
            {.name = "Label1", .kind = Label, .caption = LayoutTexts::AboutText(), .rect = {840, 480, 5775, 1185}, .tab = 5, .look = Transparent, .fore = White, .font = Verdana},
            {.name = "Label2", .kind = Label, .caption = WindowCaption(), .rect = {840, 120, 4575, 255}, .tab = 4, .look = Transparent, .fore = White, .font = Heading},
            {.name = "lblCobrand", .kind = Label, .caption = "Click here for more details.", .rect = {4320, 2760, 2355, 195}, .tab = 3, .look = Transparent | FitsText | Link, .fore = White, .font = VerdanaLink},
            {.name = "Label3", .kind = Label, .caption = LayoutTexts::AboutOffer(), .rect = {840, 2040, 5685, 675}, .tab = 2, .look = Transparent, .fore = White, .font = VerdanaBold},
            {.name = "lblHomePage", .kind = Label, .caption = LayoutTexts::HomePageLink(), .rect = {2640, 1800, 4050, 195}, .tab = 1, .look = Transparent | FitsText | Link, .fore = White, .font = VerdanaLink},
        },
    };
    // clang-format on
    return layout;
}
