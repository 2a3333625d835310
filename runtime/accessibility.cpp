// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "labelbutton.h"
#include "page.h"
#include "picturebox.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace runtime {

namespace {

QHash<QString, QAccessible::Role> &classRoles()
{
    static QHash<QString, QAccessible::Role> roles{
        {QString::fromLatin1(Form::staticMetaObject.className()), QAccessible::Window},
    };
    return roles;
}

// A label-button: a push button whose caption's mnemonic is its shortcut.
// A row or a plot type that can be chosen is also a toggle, checked while
// selected. It owns no accessible parts: whatever it holds is said in its
// name.
class LabelButtonAccessible : public QAccessibleWidget
{
public:
    explicit LabelButtonAccessible(LabelButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    LabelButton *button() const { return static_cast<LabelButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (!button()->accessibleName().isEmpty())
                return button()->accessibleName();
            return button()->caption();
        case QAccessible::Accelerator: {
            const QKeySequence key = QKeySequence::mnemonic(button()->text());
            return key.toString(QKeySequence::NativeText);
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isSelectable()) {
            s.checkable = true;
            s.selectable = true;
            s.checked = button()->isSelected();
            s.selected = button()->isSelected();
        }
        return s;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QStringList actionNames() const override
    {
        return button()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && button()->isEnabled())
            button()->click();
    }
};

class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(PictureBox *box)
        : QAccessibleWidget(box)
    {}
    QAccessible::Role role() const override { return static_cast<PictureBox *>(widget())->accessibleRole(); }
};

QAccessibleInterface *factory(const QString &key, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (key == QLatin1String(LabelButton::staticMetaObject.className()))
        return new LabelButtonAccessible(static_cast<LabelButton *>(widget));
    if (key == QLatin1String(PictureBox::staticMetaObject.className()))
        return new PictureBoxAccessible(static_cast<PictureBox *>(widget));
    const auto role = classRoles().constFind(key);
    if (role != classRoles().cend())
        return new QAccessibleWidget(widget, *role);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void setClassAccessibleRole(const QMetaObject &type, QAccessible::Role role)
{
    classRoles().insert(QString::fromLatin1(type.className()), role);
}

void announce(QWidget *area, const QString &text)
{
    if (area->accessibleDescription() == text)
        return;
    // Qt tells screen readers of the change.
    area->setAccessibleDescription(text);
}

} // namespace runtime
