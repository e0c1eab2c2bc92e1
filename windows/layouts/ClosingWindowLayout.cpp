#include "Branding.h"
#include "Layouts.h"
#include "Referral.h"

// The closing window: a promotional text, a link to the site, the refer-a-friend form, Exit and,
// on the right, the maker's other programs.
const WindowLayout &ClosingWindowLayout() {
    using enum Kind;
    using namespace Look;
    using namespace Colours;
    using namespace Fonts;
    constexpr FontStyle BoxText{"Verdana", 9, false, false};
    // An e-mail address has at most 254 characters. The referral address carries every field
    // percent-encoded, at most nine bytes a character, and must still fit one program argument
    // on Linux (128 KiB) to reach the browser; these limits keep it under 25 KB.
    constexpr int NameLength = 100;
    constexpr int EmailLength = 254;
    constexpr int MessageLength = 2000;
    const Referral &placeholders = ReferralPlaceholders();
    // The message box opens with a line break after its placeholder, which the placeholder it is
    // compared with on leaving does not have.
    const QString messagePlaceholder = placeholders.message + QStringLiteral("\r\n");
    // clang-format off
    static const WindowLayout layout{
        .name = "frmNagScreen2", .width = 11115, .height = 4725, .back = White,
        .controls = {
            {.name = "Frame6", .kind = Frame, .caption = "Download Zentari Softwares", .rect = {7320, 120, 3735, 4575}, .tab = 15, .back = Navy, .fore = White, .font = Heading},
            {.name = "lblGoToHome", .kind = Label, .in = "Frame6", .caption = "Click Here To Visit Zentari Softwares", .rect = {75, 4250, 3585, 210}, .tab = 17, .look = Transparent | FitsText | Link, .fore = 0xFFFF00, .font = {"Verdana", 9, true, true}},
            {.name = "Label3", .kind = Label, .in = "Frame6", .caption = LayoutTexts::SoftwaresParagraph(), .rect = {120, 360, 3495, 3855}, .tab = 16, .look = Transparent, .fore = White, .font = BoxText},
            {.name = "Frame2", .kind = Frame, .caption = "Refer A Friend", .rect = {120, 3240, 7065, 1455}, .tab = 8, .back = Navy, .fore = White, .font = Heading},
            // Below the frame's visible part on purpose: the untouched text goes out as the message.
            {.name = "txtMessage", .kind = MultiLineTextBox, .in = "Frame2", .caption = messagePlaceholder, .rect = {4800, 3600, 1815, 495}, .tab = 14, .look = Flat, .spoken = "Your Message", .maxLength = MessageLength},
            {.name = "txtFriendName", .kind = TextBox, .in = "Frame2", .caption = placeholders.friendName, .rect = {85, 720, 3375, 285}, .tab = 13, .look = Flat, .maxLength = NameLength},
            {.name = "txtFriendEmail", .kind = TextBox, .in = "Frame2", .caption = placeholders.friendEmail, .rect = {3600, 720, 3375, 285}, .tab = 12, .look = Flat, .maxLength = EmailLength},
            {.name = "txtEmail", .kind = TextBox, .in = "Frame2", .caption = placeholders.email, .rect = {3600, 360, 3375, 285}, .tab = 11, .look = Flat, .maxLength = EmailLength},
            {.name = "cmdSubmit", .kind = Button, .in = "Frame2", .caption = "Refer A Friend &Now", .rect = {1920, 1080, 3375, 285}, .tab = 10, .font = VerdanaBold},
            {.name = "txtName", .kind = TextBox, .in = "Frame2", .caption = placeholders.name, .rect = {85, 360, 3375, 285}, .tab = 9, .look = Flat, .maxLength = NameLength},
            {.name = "cmdClose", .kind = Button, .caption = "E&xit", .rect = {6000, 2760, 1245, 375}, .tab = 0},
            {.name = "Check1", .kind = CheckButton, .caption = LayoutTexts::CheckCaption(), .rect = {30, 2040, 7185, 555}, .tab = 1, .look = Link, .fore = 0x0000C0, .font = {"Verdana", 14.25, false, false}},
            {.name = "Picture1", .kind = Picture, .rect = {360, 120, 540, 540}, .tab = 2, .spoken = "Program icon"},
            {.name = "Label2", .kind = Label, .caption = LayoutTexts::Promotional(1), .rect = {120, 840, 6975, 1095}, .tab = 7, .look = Transparent, .font = Heading},
            {.name = "Label1", .kind = Label, .caption = WindowCaption(), .rect = {1080, 240, 4350, 435}, .tab = 6, .look = Transparent | FitsText, .font = {"MS Sans Serif", 18, false, false}},
        },
    };
    // clang-format on
    return layout;
}
