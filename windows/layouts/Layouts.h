#pragma once
#include <QString>
#include <vector>

// The layout tables, in the units a window designer thinks in: twips (15 to the pixel at 96 dpi),
// colours as 0xRRGGBB, fonts by face and points. Rows within a container run from front to back.
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

struct FontStyle {
    const char *face = nullptr; // null: the window's font
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

namespace Look {
enum : unsigned {
    Hidden = 1u << 0,
    Transparent = 1u << 1,
    Centred = 1u << 2,
    FitsText = 1u << 3,
    Flat = 1u << 4,
    Link = 1u << 5,     // hand pointer
    Locked = 1u << 6,   // read-only, still selectable
    Default = 1u << 7,  // the button Enter acts on
    Cancel = 1u << 8,   // the button Esc acts on
    NoBorder = 1u << 9, // picture boxes
    SizedToPicture = 1u << 10,
};
}

struct ControlRow {
    const char *name = nullptr;
    Kind kind = Kind::Label;
    const char *in = nullptr; // containing frame; null: the window's client area
    QString caption = {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = 0;
    unsigned look = 0;
    int back = SystemColour;
    int fore = SystemColour;
    FontStyle font = {};
    const char *accessibleName = nullptr; // null: the caption without access-key marks
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
    int width = 0; // client area, twips
    int height = 0;
    int back = SystemColour;
    int fore = SystemColour;
    FontStyle font = {"MS Sans Serif", 8.25, false, false};
    std::vector<ControlRow> controls;
    std::vector<MenuRow> menu;
};

namespace LayoutTexts {
QString Banner();         // Label61
QString CoBrandOffer();   // lblCobrand on the main and results windows
QString FullBrandOffer(); // lblFullBrand on the main and results windows
QString AboutText();
QString HomePageLink();
QString CheckCaption();
QString SoftwaresParagraph();
} // namespace LayoutTexts
