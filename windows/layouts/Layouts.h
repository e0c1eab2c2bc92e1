#pragma once
#include <QString>
#include <vector>

// The layout tables, in the units a window designer thinks in: twips (15 to the pixel at 96 dpi),
// colours as 0xRRGGBB, fonts by face and points. Rows within a container run from front to back;
// each row names its control as the outside world sees it (tests, screen readers, the windows).
enum class Kind {
    Frame,
    Label,
    TextBox,
    MultiLineTextBox,
    DropDown,
    Button,
    CheckButton,
    Picture,
    Line
};

// A colour a row leaves open takes the system colour for the role of its kind.
inline constexpr int SystemColour = -1;

// The colours the layouts share.
namespace Colours {
inline constexpr int Blue = 0x7CA5E7;
inline constexpr int White = 0xFFFFFF;
inline constexpr int Black = 0x000000;
inline constexpr int Navy = 0x000080;
inline constexpr int OfferBlue = 0x0000FF;
} // namespace Colours

struct FontStyle {
    const char *face = nullptr; // null: the window's font
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// The fonts the layouts share.
namespace Fonts {
inline constexpr FontStyle Verdana{"Verdana", 8.25, false, false};
inline constexpr FontStyle VerdanaBold{"Verdana", 8.25, true, false};
inline constexpr FontStyle VerdanaLink{"Verdana", 8.25, false, true};
inline constexpr FontStyle Offer{"Verdana", 8.25, true, true};
inline constexpr FontStyle Banner{"Verdana", 9, false, true};
inline constexpr FontStyle Heading{"Verdana", 9.75, true, false};
inline constexpr FontStyle SansSerif{"MS Sans Serif", 8.25, false, false};
} // namespace Fonts

namespace Look {
enum : unsigned {
    Hidden = 1u << 0,
    Transparent = 1u << 1,
    Centred = 1u << 2,
    FitsText = 1u << 3,
    Flat = 1u << 4,
    Link = 1u << 5,    // hand pointer
    Locked = 1u << 6,  // read-only, still selectable
    Default = 1u << 7, // the button Enter acts on
    Cancel = 1u << 8,  // the button Esc acts on
    SizedToPicture = 1u << 9,
};
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlRow {
    const char *name = nullptr;
    Kind kind = Kind::Label;
    const char *in = nullptr; // containing frame; null: the window's client area
    QString caption = {};
    Rect rect = {};
    int tab = 0;
    unsigned look = 0;
    int back = SystemColour;
    int fore = SystemColour;
    FontStyle font = {};
    const char *spoken = nullptr; // accessible name; null: the caption without access-key marks
    int maxLength = 0; // text boxes: the most characters typing or pasting leaves; 0: no limit
};

// A menu row with no caption is a separator; a row with no parent sits on the menu bar, and is
// a command rather than a menu when `command` is set.
struct MenuRow {
    const char *name = nullptr;
    const char *parent = nullptr;
    const char *caption = nullptr;
    bool command = false;
    bool enabled = true;
};

struct WindowLayout {
    const char *name = nullptr; // the window's object name
    int width = 0;              // client area, twips
    int height = 0;
    int back = SystemColour;
    int fore = SystemColour;
    FontStyle font = Fonts::SansSerif;
    const char *described = nullptr; // what a screen reader says of the window beyond its title
    std::vector<ControlRow> controls = {};
    std::vector<MenuRow> menu = {};
};

const WindowLayout &MainWindowLayout();
const WindowLayout &ResultsWindowLayout();
const WindowLayout &AboutWindowLayout();
const WindowLayout &ClosingWindowLayout();

// The longer texts of the layouts, with the configured site address in them.
namespace LayoutTexts {
QString Banner();         // Label61 of the main and results windows
QString CoBrandOffer();   // lblCobrand of the main and results windows
QString FullBrandOffer(); // lblFullBrand of the main and results windows
QString AboutText();
QString AboutOffer();
QString HomePageLink();
QString CheckCaption();
QString SoftwaresParagraph();
// The closing window's four promotional texts, index 0 to 3; any other index gives an empty text.
QString Promotional(int index);
} // namespace LayoutTexts
