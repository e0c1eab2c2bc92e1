#include "LayoutBuilder.h"
#include "Branding.h"
#include "Layouts.h"
#include "LinkLabel.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace {
const char FirstFocusProperty[] = "zt_firstFocus";
const QString DejaVuSans = QStringLiteral("DejaVu Sans");
// A picture box shows the program icon at its own size.
constexpr QSize PictureSize(32, 32);

int Px(int twips) {
    return qRound(twips / 15.0);
}

QColor Colour(int rgb, QPalette::ColorRole systemRole) {
    if (rgb == SystemColour)
        return QGuiApplication::palette().color(systemRole);
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

// "&&" shows one ampersand, "&x" marks an access key; labels show the plain text.
QString WithoutAccessKeys(const QString &caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

bool TakesFocus(Kind kind) {
    switch (kind) {
    case Kind::TextBox:
    case Kind::MultiLineTextBox:
    case Kind::DropDown:
    case Kind::Button:
    case Kind::CheckButton:
        return true;
    default:
        return false;
    }
}

void SetRoles(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour) {
    QPalette palette = w->palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    w->setPalette(palette);
}

QString TextBoxStyle(const char *type, const ControlRow &row) {
    QString style = QStringLiteral("%1 { background-color: %2; color: %3;")
                        .arg(QLatin1String(type), Colour(row.back, QPalette::Base).name(),
                             Colour(row.fore, QPalette::Text).name());
    if (row.look & Look::Flat)
        style += QStringLiteral(" border: 1px solid #000000;");
    return style + QStringLiteral(" }");
}

QWidget *MakeFrame(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *frame = new QGroupBox(row.caption, parent);
    frame->setFont(font);
    const QColor back = Colour(row.back, QPalette::Window);
    const QColor fore = Colour(row.fore, QPalette::WindowText);
    SetRoles(frame, {QPalette::Window}, back);
    SetRoles(frame, {QPalette::WindowText}, fore);
    frame->setAutoFillBackground(true);
    // The caption sits on the top border line, so the border starts half a caption down.
    const int captionTop = row.caption.isEmpty() ? 0 : QFontMetrics(font).height() / 2;
    const QString border =
        (row.look & Look::Flat)
            ? QStringLiteral("1px solid #000000")
            : QStringLiteral("2px groove %1").arg(Colour(SystemColour, QPalette::Mid).name());
    const QString id = QString::fromLatin1(row.name);
    frame->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { border: %2; margin-top: %3px; color: %4;"
                       " background-color: %5; background-clip: margin; }"
                       " QGroupBox#%1::title { subcontrol-origin: margin;"
                       " left: 6px; padding: 0px 2px; background-color: %5; }")
            .arg(id, border, QString::number(captionTop), fore.name(), back.name()));
    return frame;
}

QWidget *MakeLabel(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *label = new LinkLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(WithoutAccessKeys(row.caption));
    label->setFont(font);
    label->setAlignment(((row.look & Look::Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setWordWrap(!(row.look & Look::FitsText));
    label->setAutoFillBackground(!(row.look & Look::Transparent));
    SetRoles(label, {QPalette::Window}, Colour(row.back, QPalette::Button));
    SetRoles(label, {QPalette::WindowText}, Colour(row.fore, QPalette::ButtonText));
    return label;
}

// A substitute face can run wider than the face a label was fitted to; rather than let the
// container cut its last letters off, the label is condensed just enough, keeping size and weight.
void CondenseToFit(QWidget *label) {
    const QWidget *container = label->parentWidget();
    if (!container)
        return;
    const int room = container->width() - 2 - label->x();
    if (room <= 0 || label->width() <= room)
        return;
    QFont font = label->font();
    font.setStretch(std::max(80, 100 * room / label->width()));
    label->setFont(font);
    label->adjustSize();
}

QWidget *MakeButton(const ControlRow &row, const QFont &font, QWidget *parent) {
    auto *button = new QPushButton(row.caption, parent);
    button->setFont(font);
    button->setCheckable(row.kind == Kind::CheckButton);
    button->setAutoDefault(false);
    SetRoles(button, {QPalette::Button}, Colour(row.back, QPalette::Button));
    SetRoles(button, {QPalette::ButtonText}, Colour(row.fore, QPalette::ButtonText));
    if (row.look & Look::Default)
        button->setDefault(true);
    if (row.look & Look::Cancel) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
        QObject::connect(escape, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    }
    return button;
}

QWidget *MakeControl(const ControlRow &row, const QFont &font, QWidget *parent) {
    switch (row.kind) {
    case Kind::Frame:
        return MakeFrame(row, font, parent);
    case Kind::Label:
        return MakeLabel(row, font, parent);
    case Kind::TextBox: {
        auto *box = new QLineEdit(row.caption, parent);
        box->setFont(font);
        box->setStyleSheet(TextBoxStyle("QLineEdit", row));
        return box;
    }
    case Kind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(row.caption, parent);
        box->setFont(font);
        box->setStyleSheet(TextBoxStyle("QPlainTextEdit", row));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        if (row.look & Look::Locked) {
            box->setReadOnly(true);
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        return box;
    }
    case Kind::DropDown: {
        auto *list = new QComboBox(parent);
        list->setEditable(false);
        list->setFont(font);
        SetRoles(list, {QPalette::Button, QPalette::Base}, Colour(row.back, QPalette::Base));
        SetRoles(list, {QPalette::ButtonText, QPalette::Text}, Colour(row.fore, QPalette::Text));
        // The style's shaded face would wash the colours out; a list box is drawn flat.
        list->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; color: %2;"
                                           " border: 1px solid #000000; padding-left: 3px; }")
                                .arg(Colour(row.back, QPalette::Base).name(),
                                     Colour(row.fore, QPalette::Text).name()));
        return list;
    }
    case Kind::Button:
    case Kind::CheckButton:
        return MakeButton(row, font, parent);
    case Kind::Picture: {
        auto *picture = new QLabel(parent);
        // Drawn for the screen's pixel ratio, so that at 200 % the 64-pixel drawing fills it.
        picture->setPixmap(ProgramIcon().pixmap(PictureSize, picture->devicePixelRatioF()));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::Line: {
        auto *line = new QFrame(parent);
        line->setAutoFillBackground(true);
        SetRoles(line, {QPalette::Window}, Colour(row.fore, QPalette::WindowText));
        return line;
    }
    }
    return nullptr;
}

void PlaceControl(QWidget *widget, const ControlRow &row) {
    if (row.kind == Kind::Line) {
        // A line is drawn two pixels thick, centred on its row.
        widget->setGeometry(Px(row.rect.left), Px(row.rect.top) - 1, Px(row.rect.width), 2);
        return;
    }
    widget->setGeometry(Px(row.rect.left), Px(row.rect.top), Px(row.rect.width),
                        Px(row.rect.height));
    if (row.look & Look::FitsText) {
        widget->adjustSize();
        CondenseToFit(widget);
    }
    if (row.kind == Kind::Picture && (row.look & Look::SizedToPicture)) {
        if (auto *picture = qobject_cast<QLabel *>(widget); !picture->pixmap().isNull())
            widget->resize(picture->pixmap().deviceIndependentSize().toSize());
    }
}

void BuildMenu(QMainWindow *window, const std::vector<MenuRow> &rows) {
    QMenuBar *bar = window->menuBar();
    QHash<QByteArray, QMenu *> menus;
    for (const MenuRow &row : rows) {
        const QString caption = QString::fromLatin1(row.caption);
        QObject *made = nullptr;
        if (!row.parent && !row.command) {
            QMenu *menu = bar->addMenu(caption);
            menu->setAccessibleName(WithoutAccessKeys(caption));
            menus.insert(row.name, menu);
            made = menu;
        } else if (!row.parent) {
            QAction *action = bar->addAction(caption);
            action->setEnabled(row.enabled);
            made = action;
        } else if (QMenu *menu = menus.value(row.parent)) {
            QAction *action = row.caption ? menu->addAction(caption) : menu->addSeparator();
            action->setEnabled(row.enabled);
            made = action;
        } else {
            qWarning("Menu entry %s names an unknown menu %s", row.name, row.parent);
            continue;
        }
        made->setObjectName(QString::fromLatin1(row.name));
    }
}

void CentreOnScreen(QWidget *window) {
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint topLeft = available.center() - QPoint(window->width() / 2, window->height() / 2);
    // On a screen smaller than the window, keep the title bar and the left edge within reach.
    topLeft.setX(std::max(topLeft.x(), available.left()));
    topLeft.setY(std::max(topLeft.y(), available.top()));
    window->move(topLeft);
}
} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    const QDir resources(QStringLiteral(":/"));
    for (const QString &file : resources.entryList({QStringLiteral("icon-*.png")}))
        icon.addFile(resources.filePath(file));
    return icon;
}

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

QWidget *FirstFocusControl(const QWidget *window) {
    const QString name = window->property(FirstFocusProperty).toString();
    return name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
}

QObject *RequireNamedObject(const QWidget *window, const char *name, const QMetaObject &type) {
    QObject *found = window->findChild<QObject *>(QString::fromLatin1(name));
    if (!found || !type.cast(found)) {
        qFatal("Window %s has no %s named %s", qPrintable(window->objectName()), type.className(),
               name);
    }
    return found;
}

void BuildWindow(QWidget *window, const WindowLayout &layout) {
    InstallFontSubstitutions();
    window->setObjectName(QString::fromLatin1(layout.name));
    window->setWindowTitle(WindowCaption());
    window->setWindowIcon(ProgramIcon());
    const bool dialog = qobject_cast<QDialog *>(window) != nullptr;
    window->setWindowFlags((dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);

    // The menu bar keeps the system's look; only the client area takes the window's colours.
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    QWidget *client = window;
    if (mainWindow) {
        client = new QWidget(mainWindow);
        client->setObjectName(QStringLiteral("clientArea"));
        mainWindow->setCentralWidget(client);
    }
    const QFont windowFont = MakeFont(layout.font, layout.font);
    client->setFont(windowFont);
    SetRoles(client, {QPalette::Window}, Colour(layout.back, QPalette::Window));
    SetRoles(client, {QPalette::WindowText}, Colour(layout.fore, QPalette::WindowText));
    client->setAutoFillBackground(true);
    const QSize clientSize(Px(layout.width), Px(layout.height));
    client->setFixedSize(clientSize);

    QHash<QByteArray, QWidget *> containers;
    std::vector<QWidget *> widgets;
    widgets.reserve(layout.controls.size());
    for (const ControlRow &row : layout.controls) {
        QWidget *parent = client;
        if (row.in) {
            parent = containers.value(row.in);
            if (!parent) {
                qWarning("Control %s names an unknown frame %s", row.name, row.in);
                parent = client;
            }
        }
        QWidget *widget = MakeControl(row, MakeFont(row.font, layout.font), parent);
        widget->setObjectName(QString::fromLatin1(row.name));
        const QString spoken =
            row.spoken ? QString::fromLatin1(row.spoken) : WithoutAccessKeys(row.caption);
        widget->setAccessibleName(spoken.isEmpty() ? widget->objectName() : spoken);
        if (!TakesFocus(row.kind))
            widget->setFocusPolicy(Qt::NoFocus);
        if (row.look & Look::Link)
            widget->setCursor(Qt::PointingHandCursor);
        if (row.look & Look::Hidden)
            widget->hide();
        PlaceControl(widget, row);
        if (row.kind == Kind::Frame)
            containers.insert(row.name, widget);
        widgets.push_back(widget);
    }

    // Rows run from front to back: raising from the last row up leaves the first in front.
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it)
        (*it)->raise();

    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (TakesFocus(layout.controls[i].kind))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&layout](std::size_t a, std::size_t b) {
        return layout.controls[a].tab < layout.controls[b].tab;
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgets[order[i - 1]], widgets[order[i]]);
    const auto first = std::find_if(order.begin(), order.end(), [&layout](std::size_t i) {
        return !(layout.controls[i].look & Look::Hidden);
    });
    if (first != order.end()) {
        window->setProperty(FirstFocusProperty, widgets[*first]->objectName());
        widgets[*first]->setFocus();
    }

    if (!layout.menu.empty()) {
        if (mainWindow)
            BuildMenu(mainWindow, layout.menu);
        else
            qWarning("Only a main window carries a menu bar; the menu of %s is left out",
                     qPrintable(window->objectName()));
    }
    // A native menu bar (macOS) lies outside the window and takes none of its height.
    const auto *bar = mainWindow ? qobject_cast<QMenuBar *>(mainWindow->menuWidget()) : nullptr;
    const int menuHeight = bar && !bar->isNativeMenuBar() ? bar->sizeHint().height() : 0;
    window->setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
    CentreOnScreen(window);
}
