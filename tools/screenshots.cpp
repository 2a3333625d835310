// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs every screen of the program to a PNG file, as a student first sees
// it: velomira-screenshots <folder>. Run it with QT_SCALE_FACTOR=2 for a
// high-density view, and with LANGUAGE=de for the German screens.
#include "runtime/forms.h"
#include "runtime/random.h"
#include "runtime/translations.h"
#include "shell/screens.h"

#include <QApplication>
#include <QDir>
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

    const QStringList screens{QStringLiteral("ratestart"), QStringLiteral("ratetutor"),
                              QStringLiteral("ratetutor2"), QStringLiteral("writingratelaws"),
                              QStringLiteral("approachform"), QStringLiteral("approachform2")};
    int failures = 0;
    for (const QString &name : screens) {
        runtime::Form *form = runtime::showForm(name);
        if (!form) {
            ++failures;
            continue;
        }
        QCoreApplication::processEvents();
        if (!form->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            ++failures;
        runtime::unloadForm(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return failures == 0 ? 0 : 1;
}
