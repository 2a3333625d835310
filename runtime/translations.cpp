// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace runtime {

namespace {

QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

QString &language()
{
    static QString code;
    return code;
}

void install(QTranslator *translator)
{
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

} // namespace

std::unique_ptr<QTranslator> loadProgramCatalogue(const QLocale &locale)
{
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        // The source texts are English: an English preference wins over any
        // later language.
        if (language == u"en" || language.startsWith(u"en_") || language == u"C")
            return nullptr;
        auto program = std::make_unique<QTranslator>();
        // Loading tries "velomira_de_AT", then "velomira_de".
        if (program->load(QStringLiteral("velomira_") + language, QStringLiteral(":/i18n"))
            && !program->language().isEmpty())
            return program;
    }
    return nullptr;
}

QString installTranslations(const QLocale &locale)
{
    for (const QPointer<QTranslator> &translator : std::as_const(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();
    language().clear();

    std::unique_ptr<QTranslator> program = loadProgramCatalogue(locale);
    if (!program)
        return {};
    language() = program->language();
    program->setParent(QCoreApplication::instance());
    install(program.release());
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(qt);
    else
        delete qt;
    return language();
}

QString installedLanguage()
{
    return language();
}

} // namespace runtime
