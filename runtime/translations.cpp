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

void install(QTranslator *translator)
{
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

} // namespace

QString installTranslations(const QLocale &locale)
{
    for (const QPointer<QTranslator> &translator : std::as_const(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();

    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        // The source texts are English: an English preference wins over any
        // later language.
        if (language == u"en" || language.startsWith(u"en_") || language == u"C")
            return {};
        auto *program = new QTranslator(QCoreApplication::instance());
        // Loading tries "velomira_de_AT", then "velomira_de".
        if (!program->load(QStringLiteral("velomira_") + language, QStringLiteral(":/i18n"))
            || program->language().isEmpty()) {
            delete program;
            continue;
        }
        install(program);
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(qt);
        else
            delete qt;
        return program->language();
    }
    return {};
}

} // namespace runtime
