// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs every screen of the program to a PNG file, as a student first sees
// it, then one screen in a dark colour scheme and one zoomed in:
// velomira-screenshots <folder>. Run it with QT_SCALE_FACTOR=2 for a
// high-density view, and with LANGUAGE=de for the German screens.
#include "runtime/application.h"
#include "runtime/navigation.h"
#include "runtime/random.h"
#include "runtime/translations.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QStyle>
#include <functional>
#include <random>

namespace {

// The same problems on every run, so that pictures change only when the
// screens do.
class FixedRandom : public runtime::RandomSource
{
public:
    float next() override { return runtime::unitInterval(m_uniform(m_engine)); }
    void reseed() override {}

private:
    std::mt19937 m_engine{2026};
    std::uniform_real_distribution<float> m_uniform{0.0f, 1.0f};
};

// A dark scheme such as a desktop's dark theme sets.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 30), text(235, 235, 235);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return p;
}

bool grab(const QString &folder, const QString &name, const QString &file,
          const std::function<void(runtime::Form *)> &prepare = {})
{
    runtime::Form *form = runtime::showForm(name);
    if (!form)
        return false;
    if (prepare)
        prepare(form);
    QCoreApplication::processEvents();
    const bool saved = form->grab().save(QDir(folder).filePath(file + QStringLiteral(".png")));
    for (runtime::Form *loaded : runtime::loadedForms())
        runtime::unloadForm(loaded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (runtime::Form *loaded : runtime::loadedForms())
        runtime::unloadForm(loaded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    runtime::initialiseApplication();
    runtime::installTranslations();
    registerScreens();
    runtime::setRandomFactory([] { return std::make_unique<FixedRandom>(); });
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    const QStringList screens{QStringLiteral("ratestart"),    QStringLiteral("ratetutor"),
                              QStringLiteral("ratetutor2"),   QStringLiteral("writingratelaws"),
                              QStringLiteral("approachform"), QStringLiteral("approachform2")};
    int failures = 0;
    for (const QString &name : screens)
        failures += grab(folder, name, name) ? 0 : 1;

    // The Method of Initial Rates in the middle of tutoring, where the long
    // texts are: wrong answers on the first problem open the guided tutoring.
    failures += grab(folder, QStringLiteral("ratetutor"), QStringLiteral("ratetutor-tutoring"),
                     [](runtime::Form *form) {
                         for (const char *box : {"orderAinput", "orderBinput", "kinput"})
                             form->findChild<QLineEdit *>(QString::fromLatin1(box))->setText(QStringLiteral("3"));
                         form->findChild<QAbstractButton *>(QStringLiteral("submitbtn"))->click();
                     })
                    ? 0
                    : 1;

    // The graphical screen with a plot and its fit, in a dark scheme.
    QApplication::setPalette(darkPalette());
    failures += grab(folder, QStringLiteral("ratetutor2"), QStringLiteral("ratetutor2-dark"),
                     [](runtime::Form *form) {
                         for (const char *name : {"plottype_1", "plotbtn", "lstsquares"})
                             form->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
                     })
                    ? 0
                    : 1;
    QApplication::setPalette(QApplication::style()->standardPalette());

    runtime::setZoom(1.25);
    failures += grab(folder, QStringLiteral("ratestart"), QStringLiteral("ratestart-zoomed")) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
