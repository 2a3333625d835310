// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation.h"

#include "window.h"

#include <QPointer>
#include <algorithm>
#include <map>

namespace runtime {

namespace {

struct Registry {
    std::map<QString, FormFactory> registered;
    std::map<QString, QPointer<Form>> loaded;
    // While the program ends, closing a screen brings no other one up.
    bool quitting{false};
    std::function<bool(QWidget *)> endingCheck;
    std::function<void(const QString &)> afterClosing;
};

Registry &registry()
{
    static Registry r;
    return r;
}

void forget(Form *form, const QString &name)
{
    Registry &r = registry();
    std::erase_if(r.loaded, [form](const auto &entry) { return entry.second == form; });
    if (!r.quitting && r.afterClosing)
        r.afterClosing(name);
    // The window goes with its last page.
    if (!currentPage())
        mainWindow()->close();
}

} // namespace

void registerForm(const QString &name, FormFactory factory)
{
    registry().registered[name] = std::move(factory);
}

Form *loadedForm(const QString &name)
{
    const auto found = registry().loaded.find(name);
    return found == registry().loaded.end() ? nullptr : found->second.data();
}

QList<Form *> loadedForms()
{
    QList<Form *> forms;
    for (const auto &[name, form] : registry().loaded) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

Form *loadForm(const QString &name)
{
    Registry &r = registry();
    Form *form = loadedForm(name);
    if (!form) {
        const auto entry = r.registered.find(name);
        if (entry == r.registered.end())
            qFatal("no screen is named %s", qPrintable(name));
        form = entry->second();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        // A page of the window, hidden until shown.
        form->setParent(mainWindow());
        form->hide();
        r.loaded[name] = form;
        QObject::connect(form, &Form::quitRequested, form, &quitProgram);
        QObject::connect(form, &Form::unloaded, form, [form, name] { forget(form, name); });
        form->fitToScreen();
        form->formLoad();
    }
    return form;
}

Form *showForm(const QString &name)
{
    if (registry().quitting)
        return nullptr;
    Form *form = loadForm(name);
    showPage(form);
    return form;
}

void unloadForm(Form *form)
{
    if (form)
        form->discard();
}

void setAfterClosing(std::function<void(const QString &closed)> next)
{
    registry().afterClosing = std::move(next);
}

void setEndingCheck(std::function<bool(QWidget *parent)> check)
{
    registry().endingCheck = std::move(check);
}

bool mayEndProgram(QWidget *parent)
{
    const Registry &r = registry();
    return !r.endingCheck || r.endingCheck(parent);
}

void quitProgram()
{
    Registry &r = registry();
    if (r.quitting || !mayEndProgram(currentPage()))
        return;
    r.quitting = true;
    // Screens out of sight first (a tutor behind its explanation), so that
    // no closing screen brings another one back.
    QList<Form *> forms = loadedForms();
    std::stable_partition(forms.begin(), forms.end(), [](const Form *f) { return !f->isVisible(); });
    for (Form *form : forms)
        form->closeUnasked();
    r.quitting = false;
}

} // namespace runtime
