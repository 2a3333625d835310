// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include "accessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace runtime {

int toPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

double toTwips(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

namespace {

struct Registry {
    QHash<QString, FormFactory> factories;
    QHash<QString, QPointer<Form>> loaded;
    // While the program ends, closing a screen brings no other one up.
    bool quitting{false};
};

Registry &registry()
{
    static Registry r;
    return r;
}

// The desktop's keys for a standard action, and the key every desktop on
// Linux uses for it, which some platforms' schemes leave out.
QList<QKeySequence> withKey(QKeySequence::StandardKey action, const QKeySequence &key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(action);
    if (!keys.contains(key))
        keys.append(key);
    return keys;
}

} // namespace

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
{
    installAccessibility();
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(toPixels(clientWidthTwips), toPixels(clientHeightTwips));
    auto *quit = new QShortcut(this);
    quit->setKeys(withKey(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(quit, &QShortcut::activated, this, &quitProgram);
    auto *closing = new QShortcut(this);
    closing->setKeys(withKey(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)));
    connect(closing, &QShortcut::activated, this, &QWidget::close);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

float Form::leftTwips() const
{
    return float(toTwips(frameGeometry().x()));
}

float Form::topTwips() const
{
    return float(toTwips(frameGeometry().y()));
}

void Form::setLeftTwips(float left)
{
    move(toPixels(left), frameGeometry().y());
}

void Form::setTopTwips(float top)
{
    move(frameGeometry().x(), toPixels(top));
}

float Form::widthTwips() const
{
    return float(toTwips(frameGeometry().width()));
}

float Form::heightTwips() const
{
    return float(toTwips(frameGeometry().height()));
}

void Form::centreOnScreen()
{
    // The outer size includes the window frame, known once the window exists.
    if (!testAttribute(Qt::WA_WState_Created))
        create();
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = s ? s->geometry().size() : QSize();
    const float screenWidth = float(toTwips(screenSize.width()));
    const float screenHeight = float(toTwips(screenSize.height()));
    setLeftTwips(screenWidth / 2.0f - widthTwips() / 2.0f);
    setTopTwips(screenHeight / 2.0f - heightTwips() / 2.0f);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    discard();
}

void Form::discard()
{
    if (m_unloading)
        return;
    m_unloading = true;
    formUnload();
    Registry &r = registry();
    if (r.loaded.value(objectName()) == this)
        r.loaded.remove(objectName());
    hide();
    deleteLater();
}

void registerForm(const QString &name, FormFactory factory)
{
    registry().factories.insert(name, std::move(factory));
}

Form *loadedForm(const QString &name)
{
    return registry().loaded.value(name);
}

QList<Form *> loadedForms()
{
    QList<Form *> forms;
    for (const QPointer<Form> &f : std::as_const(registry().loaded)) {
        if (f)
            forms.append(f.data());
    }
    return forms;
}

Form *loadForm(const QString &name)
{
    Registry &r = registry();
    Form *form = r.loaded.value(name);
    if (!form) {
        const FormFactory factory = r.factories.value(name);
        if (!factory)
            return nullptr;
        form = factory();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        r.loaded.insert(name, form);
        form->formLoad();
    }
    return form;
}

Form *showForm(const QString &name)
{
    if (registry().quitting)
        return nullptr;
    Form *form = loadForm(name);
    if (form)
        form->show();
    return form;
}

void openExplanation(Form *tutor, const QString &explanationName)
{
    Form *explanation = loadForm(explanationName);
    if (!tutor || !explanation)
        return;
    explanation->setLeftTwips(tutor->leftTwips());
    explanation->setTopTwips(tutor->topTwips());
    explanation->show();
    tutor->hide();
}

void quitProgram()
{
    Registry &r = registry();
    r.quitting = true;
    // Screens out of sight first (a tutor behind its explanation), so that
    // no closing screen brings another one back.
    QList<Form *> forms = loadedForms();
    std::stable_partition(forms.begin(), forms.end(), [](const Form *f) { return !f->isVisible(); });
    for (Form *form : forms)
        form->close();
    r.quitting = false;
}

void unloadForm(Form *form)
{
    if (form)
        form->discard();
}

void messageBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("velomira"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString findProgram(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startProgram(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

void initialiseApplication()
{
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setApplicationName(QStringLiteral("velomira"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velomira.Velomira"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.velomira.Velomira.svg")));
    installAccessibility();
}

} // namespace runtime
