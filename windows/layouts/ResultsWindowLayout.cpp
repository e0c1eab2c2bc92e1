#include "Layouts.h"

// The results window: the report, Back, the banner above and the two offers below.
const WindowLayout &ResultsWindowLayout() {
    using enum Kind;
    using namespace Look;
    using namespace Colours;
    using namespace Fonts;
    // clang-format off
    static const WindowLayout layout{
        .name = "frmPinnaclePhases", .width = 6375, .height = 5220, .back = Blue, .fore = Black, .font = Verdana,
        .described = "Holds the report of your four pinnacles; Tab moves to it",
        .controls = {
            {.name = "Frame5", .kind = Frame, .rect = {60, 4200, 6300, 975}, .tab = 5, .look = Flat, .back = Blue, .fore = White, .spoken = "Offers"},
            {.name = "lblCobrand", .kind = Label, .in = "Frame5", .caption = LayoutTexts::CoBrandOffer(), .rect = {80, 240, 6105, 615}, .tab = 6, .look = Centred | Link, .fore = OfferBlue, .font = Offer},
            {.name = "lblFullBrand", .kind = Label, .in = "Frame5", .caption = LayoutTexts::FullBrandOffer(), .rect = {80, 240, 6105, 615}, .tab = 7, .look = Centred | Link, .fore = OfferBlue, .font = Offer},
            {.name = "txtDisplay", .kind = MultiLineTextBox, .rect = {60, 690, 6300, 2955}, .tab = 4, .look = Flat | Locked, .back = Blue, .fore = White, .spoken = "Pinnacle report"},
            {.name = "Frame2", .kind = Frame, .rect = {60, 0, 6300, 615}, .tab = 2, .look = Flat, .back = Blue, .spoken = "Banner"},
            {.name = "Label61", .kind = Label, .in = "Frame2", .caption = LayoutTexts::Banner(), .rect = {120, 135, 6120, 585}, .tab = 3, .look = Transparent | Centred | Link, .fore = White, .font = Fonts::Banner},
            {.name = "cmdprint", .kind = Button, .caption = "&Print", .rect = {4080, 3780, 1095, 375}, .tab = 0, .look = Hidden, .back = Blue},
            {.name = "cmdback", .kind = Button, .caption = "&Back", .rect = {5250, 3780, 1095, 375}, .tab = 1, .back = Blue},
        },
    };
    // clang-format on
    return layout;
}
