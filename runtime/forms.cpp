// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
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
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(toPixels(clientWidthTwips), toPixels(clientHeightTwips));
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
}

} // namespace runtime
