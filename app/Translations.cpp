#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace {
Q_LOGGING_CATEGORY(lcTranslations, "tessaline.translations", QtCriticalMsg)

// Built into the program (translations/CMakeLists.txt).
const QString OwnFolder = QStringLiteral(":/i18n");
} // namespace

Translations::Translations(const QLocale &locale)
{
    for (const QString &name : locale.uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            break;
        auto own = std::make_unique<QTranslator>();
        if (!own->load(wanted, QStringLiteral("tessaline"), QStringLiteral("_"), OwnFolder)) {
            qCDebug(lcTranslations) << "no translation of the program for" << name;
            continue;
        }
        m_language = QLocale::languageToCode(wanted.language());
        auto qt = std::make_unique<QTranslator>();
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qt->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder))
            m_installed.push_back(std::move(qt));
        else
            qCDebug(lcTranslations) << "no Qt base translation for" << name << "in" << qtFolder;
        m_installed.push_back(std::move(own));
        break;
    }
    for (const auto &translator : m_installed)
        QCoreApplication::installTranslator(translator.get());
}

Translations::~Translations()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}
