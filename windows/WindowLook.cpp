#include "WindowLook.h"
#include "Layouts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace {
const QString DejaVuSans = QStringLiteral("DejaVu Sans");

// The toolkit's own light colours, those of its Fusion style on a desktop without a theme, never
// the desktop theme's: every colour a window shows comes from its layout or from here, so a
// window looks the same on a light and on a dark desktop and the layout's fixed colours never
// meet a theme's (white captions on a white theme background). The style's standard palette
// will not do: from Qt 6.4 on it follows the desktop theme.
QPalette MakeDefaultPalette() {
    const QColor face(0xEF, 0xEF, 0xEF);
    const QColor dark(0x9F, 0x9F, 0x9F);
    const QColor greyedText(0xBE, 0xBE, 0xBE);
    QPalette palette(Qt::black, face, Qt::white, dark, QColor(0xB8, 0xB8, 0xB8), Qt::black,
                     Qt::white);
    palette.setColor(QPalette::Midlight, QColor(0xCA, 0xCA, 0xCA));
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Shadow, QColor(0x76, 0x76, 0x76));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, Qt::blue);
    palette.setColor(QPalette::LinkVisited, Qt::magenta);
    palette.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    palette.setColor(QPalette::BrightText, Qt::white);
    for (const QPalette::ColorRole greyed :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, greyed, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Dark, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(0xB1, 0xB1, 0xB1));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    // Every role of every group counts as set, so that none is taken from the application.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

// Gives the widget, for good, every colour it shows now. A widget under a style sheet has only
// the colours set on it of its own; the others it would take from the application, so they are
// the toolkit's defaults instead. Every other widget has its container's, handed down.
void KeepColours(QWidget *widget, const QPalette &defaults) {
    const QPalette now = widget->palette();
    const bool styled = widget->testAttribute(Qt::WA_StyleSheet);
    QPalette kept = defaults;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (!styled || now.isBrushSet(g, r))
                kept.setBrush(g, r, now.brush(g, r));
        }
    }
    widget->setPalette(kept);
}

// A style sheet takes the style's focus frame away, so the focused box draws its own mark: a
// dotted border in its text colour, as thick as the flat border and its padding together, so
// that the text does not move.
QString FocusMark(const char *type, const QColor &text) {
    return QStringLiteral(" %1:focus { border: 2px dotted %2; padding: 0px; }")
        .arg(QLatin1String(type), text.name());
}
} // namespace

void InstallFontSubstitutions() {
    static const bool installed = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString &face : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")}) {
            if (!families.contains(face, Qt::CaseInsensitive))
                QFont::insertSubstitution(face, DejaVuSans);
        }
        return true;
    }();
    Q_UNUSED(installed)
}

const QPalette &DefaultPalette() {
    static const QPalette palette = MakeDefaultPalette();
    return palette;
}

QColor Colour(int rgb, QPalette::ColorRole systemRole) {
    if (rgb == SystemColour)
        return DefaultPalette().color(systemRole);
    return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QFont MakeFont(const FontStyle &wanted, const FontStyle &windowFont) {
    const FontStyle &f = wanted.face ? wanted : windowFont;
    QFont font(QString::fromLatin1(f.face));
    // Sized in pixels at 96 dpi, the scale every place and size of the layouts is in, so text
    // keeps its room on desktops whose logical dpi differs (72 on macOS, 120 with large fonts).
    font.setPixelSize(qRound(f.points * 96.0 / 72.0));
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(f.underline);
    return font;
}

void SetRoles(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour) {
    QPalette palette = w->palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    w->setPalette(palette);
}

QString TextBoxStyle(const char *type, const ControlRow &row) {
    const QColor text = Colour(row.fore, QPalette::Text);
    QString style =
        QStringLiteral("%1 { background-color: %2; color: %3;")
            .arg(QLatin1String(type), Colour(row.back, QPalette::Base).name(), text.name());
    if (row.look & Look::Flat)
        style += QStringLiteral(" border: 1px solid #000000; padding: 1px;");
    return style + QStringLiteral(" }") + FocusMark(type, text);
}

QString ListStyle(const ControlRow &row) {
    // The style's shaded face would wash the colours out; a list box is drawn flat.
    const QColor text = Colour(row.fore, QPalette::Text);
    return QStringLiteral("QComboBox { background-color: %1; color: %2;"
                          " border: 1px solid #000000; padding: 1px 1px 1px 3px; }"
                          " QComboBox:focus { border: 2px dotted %2;"
                          " padding: 0px 0px 0px 2px; }")
        .arg(Colour(row.back, QPalette::Base).name(), text.name());
}

QString FrameStyle(const ControlRow &row, const QFont &font) {
    // The caption sits on the top border line, so the border starts half a caption down.
    const int captionTop = row.caption.isEmpty() ? 0 : QFontMetrics(font).height() / 2;
    const QString border =
        (row.look & Look::Flat)
            ? QStringLiteral("1px solid #000000")
            : QStringLiteral("2px groove %1").arg(Colour(SystemColour, QPalette::Mid).name());
    const QString id = QString::fromLatin1(row.name);
    return QStringLiteral("QGroupBox#%1 { border: %2; margin-top: %3px; color: %4;"
                          " background-color: %5; background-clip: margin; }"
                          " QGroupBox#%1::title { subcontrol-origin: margin;"
                          " left: 6px; padding: 0px 2px; background-color: %5; }")
        .arg(id, border, QString::number(captionTop), Colour(row.fore, QPalette::WindowText).name(),
             Colour(row.back, QPalette::Window).name());
}

void KeepWindowColours(QWidget *window) {
    // Under a style sheet Qt stops handing a container's colours down to the controls in it, which
    // then take the application's, that is the desktop theme's. So every widget of the window,
    // the lists' drop-downs and the menus included, keeps the colours it has now: the layout's,
    // and the toolkit's for the rest.
    const QPalette defaults = DefaultPalette();
    for (QComboBox *list : window->findChildren<QComboBox *>())
        list->view(); // makes the drop-down now, so that it is coloured with the rest
    for (QWidget *widget : window->findChildren<QWidget *>())
        KeepColours(widget, defaults);
}
