#include "Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>

namespace {
// A widget spoken in a role of the program's choosing. Links are pressed like buttons.
class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        // Without a name of its own, a control is spoken by the text it shows, as it changes,
        // not by the caption of the frame around it.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget()))
                return WithoutAccessKeys(button->text());
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override {
        if (role() != QAccessible::Link || name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!widget()->isEnabled())
            return;
        if (auto *button = qobject_cast<QAbstractButton *>(widget()))
            button->click();
        else
            QMetaObject::invokeMethod(widget(), "clicked");
    }

    QStringList keyBindingsForAction(const QString &name) const override {
        if (role() == QAccessible::Link && name == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

// A drop-down list spoken by its name, with the entry it shows as its value and as its text; the
// open list of entries is its one child.
class NamedListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QComboBox *list() const { return static_cast<QComboBox *>(object()); }

    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return list()->view() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view())
                                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && list()->view() && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        s.readOnly = !list()->isEditable();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == showMenuAction() || name == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

    // The text is the entry shown; it can be read, not edited or selected.
    QString text(int start, int end) const override {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override {
        *start = *end = offset;
        return {};
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    // Asked once per class of the object's ancestry, most derived first: answer only for the
    // object's own class, so that Qt's interfaces serve every widget left alone here.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (widget->property("link").toBool())
        return new RoleAccessible(widget, QAccessible::Link);
    // Qt speaks a plain widget as a container even when it is a window of its own.
    if (widget->windowType() == Qt::Window && !qobject_cast<QDialog *>(widget) &&
        !qobject_cast<QMainWindow *>(widget))
        return new RoleAccessible(widget, QAccessible::Window);
    if (widget->metaObject() == &QFrame::staticMetaObject)
        return new RoleAccessible(widget, QAccessible::Separator);
    if (auto *list = qobject_cast<QComboBox *>(widget); list && !list->accessibleName().isEmpty())
        return new NamedListAccessible(list);
    return nullptr;
}
} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed)
}

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

void SpeakShownEntry(QComboBox *list) {
    QObject::connect(list, &QComboBox::currentTextChanged, list,
                     [list, shown = QString()](const QString &now) mutable {
                         QAccessibleTextUpdateEvent event(list, 0, shown, now);
                         QAccessible::updateAccessibility(&event);
                         shown = now;
                     });
}
