#include "Layouts.h"

// The main window: three names, the birth date from three lists, Next, and two offers laid over
// one another (the start-up decides which lies in front).
const WindowLayout &MainWindowLayout() {
    using enum Kind;
    using namespace Look;
    using namespace Colours;
    using namespace Fonts;
    // clang-format off
    static const WindowLayout layout{
        .name = "frmMain", .width = 6405, .height = 3435, .back = Blue, .fore = White, .font = Verdana,
        .controls = {
            {.name = "Frame5", .kind = Frame, .rect = {80, 2400, 6255, 975}, .tab = 14, .look = Flat, .back = Blue, .fore = White, .spoken = "Offers"},
            {.name = "lblCobrand", .kind = Label, .in = "Frame5", .caption = LayoutTexts::CoBrandOffer(), .rect = {75, 240, 6105, 615}, .tab = 15, .look = Centred | Link, .fore = OfferBlue, .font = Offer},
            {.name = "lblFullBrand", .kind = Label, .in = "Frame5", .caption = LayoutTexts::FullBrandOffer(), .rect = {80, 240, 6105, 615}, .tab = 16, .look = Centred | Link, .fore = OfferBlue, .font = Offer},
            {.name = "fraName", .kind = Frame, .caption = "Please Fill In The Below Details:", .rect = {80, 720, 6255, 1605}, .tab = 7, .look = Flat, .back = Blue, .fore = White, .font = VerdanaBold},
            {.name = "txtLastName", .kind = TextBox, .in = "fraName", .rect = {4200, 450, 1935, 345}, .tab = 4, .look = Flat, .back = Blue, .fore = White, .spoken = "Last Name"},
            {.name = "txtMiddleName", .kind = TextBox, .in = "fraName", .rect = {2115, 450, 1965, 345}, .tab = 2, .look = Flat, .back = Blue, .fore = White, .spoken = "Middle Name"},
            {.name = "txtFirstName", .kind = TextBox, .in = "fraName", .rect = {90, 450, 1905, 345}, .tab = 0, .look = Flat, .back = Blue, .fore = White, .spoken = "First Name"},
            {.name = "fraBirthDay", .kind = Frame, .in = "fraName", .caption = "Date Of Birth", .rect = {120, 840, 6045, 645}, .tab = 9, .back = Blue, .fore = White, .font = VerdanaBold},
            {.name = "cboDate", .kind = DropDown, .in = "fraBirthDay", .rect = {1760, 210, 855, 315}, .tab = 8, .back = Blue, .fore = White, .spoken = "Birth day"},
            {.name = "cboMonth", .kind = DropDown, .in = "fraBirthDay", .rect = {120, 210, 1455, 315}, .tab = 6, .back = Blue, .fore = White, .spoken = "Birth month"},
            {.name = "cboYear", .kind = DropDown, .in = "fraBirthDay", .rect = {2800, 210, 975, 315}, .tab = 10, .back = Blue, .fore = White, .spoken = "Birth year"},
            {.name = "cmdNext", .kind = Button, .in = "fraBirthDay", .caption = "&Next", .rect = {3960, 210, 1965, 315}, .tab = 11, .back = Blue},
            {.name = "Label5", .kind = Label, .in = "fraName", .caption = "Last Name", .rect = {4200, 240, 765, 195}, .tab = 3, .look = Transparent | FitsText, .fore = White, .font = SansSerif},
            {.name = "Label4", .kind = Label, .in = "fraName", .caption = "Middle Name", .rect = {2160, 240, 1095, 195}, .tab = 13, .look = Transparent | FitsText, .fore = White, .font = SansSerif},
            {.name = "Label1", .kind = Label, .in = "fraName", .caption = "First Name", .rect = {80, 240, 750, 195}, .tab = 12, .look = Transparent | FitsText, .fore = White, .font = SansSerif},
            {.name = "cmdExit", .kind = Button, .caption = "E&xit", .rect = {3840, 3600, 2085, 315}, .tab = 1, .look = Hidden, .back = Blue},
            {.name = "Label61", .kind = Label, .caption = LayoutTexts::Banner(), .rect = {50, 140, 6120, 585}, .tab = 5, .look = Transparent | Centred | Link, .fore = White, .font = Fonts::Banner},
        },
        .menu = {
            {.name = "nuFile", .caption = "&File"},
            {.name = "mnuNext", .parent = "nuFile", .caption = "&Next"},
            {.name = "mnuExit", .parent = "nuFile", .caption = "E&xit"},
            {.name = "mnuHelp", .caption = "&Help"},
            {.name = "mnuOnline", .parent = "mnuHelp", .caption = "&Online Help"},
            {.name = "mnuVisit", .parent = "mnuHelp", .caption = "&Visit Us Online"},
            {.name = "mnuFileSep1", .parent = "mnuHelp"},
            {.name = "mnuUpdate", .parent = "mnuHelp", .caption = "&Check for Software Update"},
            {.name = "mnuFileSep2", .parent = "mnuHelp"},
            {.name = "mnuAbout", .parent = "mnuHelp", .caption = "&About Software"},
            {.name = "mnuDonate", .caption = "&Donate", .command = true},
            // Its page is not ready for the public, so the entry stays out of reach.
            {.name = "mkmoney", .caption = "Make Money &Online", .command = true, .enabled = false},
        },
    };
    // clang-format on
    return layout;
}
