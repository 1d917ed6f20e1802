#include "LibreOfficeAutomation.h"

#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

#include <com/sun/star/util/XCloseable.hpp>

#include "Failure.h"
#include "LibreOfficeInstance.h"
#include "OfficeJail.h"
#include "OfficeDeadline.h"
#include "OfficePool.h"
#include "OfficeProcess.h"

using namespace libreoffice;

namespace {

// How long the office program may take to tell its version.
constexpr int VersionTimeoutMs = 10000;

class ApplicationImpl;

class DocumentsImpl : public word::Documents
{
public:
    explicit DocumentsImpl(ApplicationImpl &application) : m_application(application) { }
    std::shared_ptr<word::Document> open(const QString &path, const word::OpenOptions &options) override;
    QString saveSheetAsCsv(const QString &path, const QString &sheetName, const QString &csvPath) override;

private:
    ApplicationImpl &m_application;
};

class ApplicationImpl : public word::Application
{
public:
    ApplicationImpl(std::shared_ptr<Instance> instance, std::shared_ptr<OfficePool> pool)
        : m_instance(std::move(instance)), m_pool(std::move(pool)), m_documents(*this),
          m_processId(m_instance->office->process().processId()),
          m_callDeadlineMs(m_instance->office->process().callDeadlineMs())
    { }

    ~ApplicationImpl() override
    {
        // An instance that was never asked to quit (a failure cut its
        // operation short) ends here all the same; a killed one goes back
        // to be waited for.
        if (!m_instance->hasQuit)
            endInstance();
        else if (m_instance->office)
            m_pool->giveBack(std::move(m_instance->office), OfficePool::End::Kill);
    }

    word::Documents &documents() override { return m_documents; }

    void setDisplayAlerts(bool on) override
    {
        m_instance->ensureAlive(QObject::tr("DisplayAlerts"));
        // A headless office never shows dialogs; the setting is kept.
        m_displayAlerts = on;
    }

    std::shared_ptr<word::Document> activeDocument() override
    {
        m_instance->ensureAlive(QObject::tr("ActiveDocument"));
        std::erase_if(m_opened, [](const auto &d) { return !d || d->isClosed(); });
        if (m_opened.empty())
            throw Failure(QObject::tr("No document is open in the office"));
        return m_opened.back();
    }

    void quit() override
    {
        m_instance->ensureAlive(QObject::tr("quit"));
        endInstance();
    }

    void kill() override
    {
        // Only the process, by its id: another thread may be inside a call
        // on the connection, which fails as soon as the office is gone.
        m_instance->hasQuit = true;
        killOfficeProcess(m_processId);
    }

    qint64 processId() const override { return m_processId; }
    int callDeadlineMs() const override { return m_callDeadlineMs; }

    std::shared_ptr<Instance> instance() const { return m_instance; }
    void opened(std::shared_ptr<BackendDocument> document)
    {
        // Those closed since are forgotten: a batch opens its template
        // again and again in one instance.
        std::erase_if(m_opened, [](const auto &d) { return !d || d->isClosed(); });
        m_opened.push_back(std::move(document));
    }

private:
    // The office is told to end; its process ends on its own time, which
    // nobody waits for (its pool makes sure it does end).
    void endInstance()
    {
        m_instance->hasQuit = true;
        if (m_instance->office)
            m_pool->giveBack(std::move(m_instance->office), OfficePool::End::Ask);
    }

    std::shared_ptr<Instance> m_instance;
    std::shared_ptr<OfficePool> m_pool;
    DocumentsImpl m_documents;
    const qint64 m_processId;
    const int m_callDeadlineMs;
    std::vector<std::shared_ptr<BackendDocument>> m_opened;
    bool m_displayAlerts = true;
};

std::shared_ptr<word::Document> DocumentsImpl::open(const QString &path, const word::OpenOptions &options)
{
    std::shared_ptr<Instance> instance = m_application.instance();
    instance->ensureAlive(QObject::tr("Open"));
    if (!QFileInfo(path).isFile())
        throw Failure(QObject::tr("Cannot open %1: no such file").arg(QDir::toNativeSeparators(path)));
    // The file, not the office, is the problem: say which way.
    auto unreadable = [&](bool passwordAsked) {
        return passwordAsked ? word::OpenFailure(word::OpenProblem::PasswordProtected,
                                                 QObject::tr("Cannot open %1: it is protected by a password").arg(path))
                             : word::OpenFailure(word::OpenProblem::NotADocument,
                                                 QObject::tr("Cannot open %1: the office cannot read it").arg(path));
    };
    auto document = officeCall(*instance->office, QObject::tr("Open %1").arg(path), [&] {
        const LoadedFile loaded = loadHidden(*instance, path, options.readOnly);
        if (!loaded.model.is())
            throw unreadable(loaded.passwordAsked);
        const Reference<lang::XComponent> &model = loaded.model;
        if (!Reference<text::XTextDocument>(model, UNO_QUERY).is()) {
            Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
            throw word::OpenFailure(word::OpenProblem::NotADocument,
                                    QObject::tr("Cannot open %1: it is not a text document").arg(path));
        }
        return makeDocument(instance, model);
    });
    m_application.opened(document);
    return document;
}

QString DocumentsImpl::saveSheetAsCsv(const QString &path, const QString &sheetName, const QString &csvPath)
{
    std::shared_ptr<Instance> instance = m_application.instance();
    instance->ensureAlive(QObject::tr("Open"));
    if (!QFileInfo(path).isFile())
        throw Failure(QObject::tr("Cannot open %1: no such file").arg(QDir::toNativeSeparators(path)));
    return libreoffice::saveSheetAsCsv(*instance, path, sheetName, csvPath);
}

} // namespace

namespace {
// Asks the office program for its version ("LibreOffice 7.4.7.2"); empty
// when there is none or it does not tell.
QString askOfficeVersion(const QString &program)
{
    if (program.isEmpty())
        return {};
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // In the jail, as every office program this program starts.
    bool jailed = false;
    try {
        jailed = OfficeJail::start(process, {program, {QStringLiteral("--version")}, {}, {}});
    } catch (const Failure &) {
        return {};
    }
    if (!process.waitForFinished(VersionTimeoutMs)) {
        OfficeJail::end(process.processId(), jailed);
        process.waitForFinished();
        return {};
    }
    // "LibreOffice 7.4.7.2 40(Build:2)": the name and the version.
    const QStringList words = QString::fromLocal8Bit(process.readAllStandardOutput()).simplified().split(u' ');
    return words.size() >= 2 ? words[0] + u' ' + words[1] : QString();
}
} // namespace

LibreOfficeAutomation::LibreOfficeAutomation(const word::OfficeOptions &options)
    : m_program(options.officeProgram),
      m_pool(std::make_shared<OfficePool>(options.spares,
                                          options.refillOnTake ? OfficePool::Refill::OnTake : OfficePool::Refill::Never,
                                          OfficeSetup{options.officeProgram, options.callDeadlineMs}))
{
    if (!options.warmUpDocument.isEmpty())
        m_pool->setWarmUpDocument(options.warmUpDocument);
}

LibreOfficeAutomation::~LibreOfficeAutomation()
{
    std::lock_guard lock(m_versionMutex);
    if (m_versionAsked)
        m_version.waitForFinished(); // bounded by its own deadline
}

void LibreOfficeAutomation::startSpares(int now)
{
    m_pool->replenish(now);
}

std::vector<qint64> LibreOfficeAutomation::spareProcessIds() const
{
    return m_pool->processIds();
}

int LibreOfficeAutomation::readySpares() const
{
    return m_pool->readyCount();
}

int LibreOfficeAutomation::endingOffices() const
{
    return m_pool->endingCount();
}

std::optional<QString> LibreOfficeAutomation::officeVersion()
{
    std::lock_guard lock(m_versionMutex);
    // Asked at the first call (a batch never needs it), once.
    if (!std::exchange(m_versionAsked, true))
        m_version = QtConcurrent::run(askOfficeVersion, OfficeSetup{m_program}.programToRun());
    if (!m_version.isFinished())
        return std::nullopt;
    return m_version.result();
}

void LibreOfficeAutomation::holdRefills()
{
    m_pool->holdRefills(true);
}

void LibreOfficeAutomation::releaseRefills()
{
    m_pool->holdRefills(false);
}

std::shared_ptr<word::Application> LibreOfficeAutomation::createApplication(word::CreationStop *stop,
                                                                            word::OfficeUse use)
{
    auto instance = std::make_shared<Instance>();
    instance->office = m_pool->take(ConnectTimeoutMs, stop, use);
    m_lastProcessId = instance->office->process().processId();
    return std::make_shared<ApplicationImpl>(instance, m_pool);
}

QString LibreOfficeAutomation::refusal()
{
    return !OfficeJail::available() && OfficeJail::required() ? OfficeJail::refusal() : QString();
}

QString LibreOfficeAutomation::protectionNotice()
{
    return OfficeJail::absenceNotice();
}
