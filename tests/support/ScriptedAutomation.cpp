#include "ScriptedAutomation.h"

#include <QScopeGuard>

#include <QFile>
#include <QRegularExpression>

#include "Failure.h"
#include "Main.h"

void ScriptedAutomation::enter(const QString &call)
{
    std::unique_lock lock(m_gate->mutex);
    calls << call;
    const int use = ++m_uses[call];
    if (holds.count(call))
        m_gate->released.wait(lock, [&] { return m_gate->isReleased || kills > 0; });
    if (hangs.count(call)) {
        m_gate->killed.wait(lock, [&] { return kills > 0; });
        throw Failure(QStringLiteral("%1 failed: the office instance was killed").arg(call));
    }
    const auto it = failures.find(call);
    if (it != failures.end() && (it->second.empty() || it->second.count(use)))
        throw Failure(QStringLiteral("Scripted failure of %1").arg(call));
}

void ScriptedAutomation::release()
{
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->isReleased = true;
    }
    m_gate->released.notify_all();
}

void ScriptedAutomation::kill()
{
    {
        std::lock_guard lock(m_gate->mutex);
        calls << QStringLiteral("Application.Kill");
        ++kills;
    }
    m_gate->killed.notify_all();
    m_gate->released.notify_all();
}

namespace {

using Data = ScriptedAutomation::DocumentData;

class ScriptedReplacement : public word::Replacement
{
public:
    ScriptedReplacement(ScriptedAutomation &s, word::FindSettings &f) : m_s(s), m_f(f) { }
    void clearFormatting() override { m_s.enter(QStringLiteral("Replacement.ClearFormatting")); }
    void setText(const QString &t) override
    {
        m_s.enter(QStringLiteral("Replacement.Text"));
        m_f.replacementText = t;
    }

private:
    ScriptedAutomation &m_s;
    word::FindSettings &m_f;
};

class ScriptedFind : public word::Find
{
public:
    ScriptedFind(ScriptedAutomation &s, QString *text) : m_s(s), m_text(text), m_replacement(s, m_f) { }
    void clearFormatting() override { m_s.enter(QStringLiteral("Find.ClearFormatting")); }
    word::Replacement &replacement() override
    {
        m_s.enter(QStringLiteral("Find.Replacement"));
        return m_replacement;
    }
    void setText(const QString &t) override { set("Find.Text", m_f.text, t); }
    void setForward(bool v) override { set("Find.Forward", m_f.forward, v); }
    void setWrap(word::WdFindWrap v) override { set("Find.Wrap", m_f.wrap, v); }
    void setFormat(bool v) override { set("Find.Format", m_f.format, v); }
    void setMatchCase(bool v) override { set("Find.MatchCase", m_f.matchCase, v); }
    void setMatchWholeWord(bool v) override { set("Find.MatchWholeWord", m_f.matchWholeWord, v); }
    void setMatchWildcards(bool v) override { set("Find.MatchWildcards", m_f.matchWildcards, v); }
    void setMatchSoundsLike(bool v) override { set("Find.MatchSoundsLike", m_f.matchSoundsLike, v); }
    void setMatchAllWordForms(bool v) override { set("Find.MatchAllWordForms", m_f.matchAllWordForms, v); }

    bool execute(const word::FindExecuteArgs &args) override
    {
        m_s.enter(QStringLiteral("Find.Execute"));
        if (args.findText)
            m_f.text = *args.findText;
        if (args.replaceWith)
            m_f.replacementText = *args.replaceWith;
        if (args.matchCase)
            m_f.matchCase = *args.matchCase;
        if (m_f.text.isEmpty() || args.replace.value_or(word::WdReplace::None) != word::WdReplace::All)
            return false;
        const Qt::CaseSensitivity cs = m_f.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        // Replace all, left to right, never searching inside inserted text.
        QString result;
        qsizetype from = 0;
        bool found = false;
        for (qsizetype at = m_text->indexOf(m_f.text, 0, cs); at >= 0; at = m_text->indexOf(m_f.text, from, cs)) {
            result += m_text->mid(from, at - from) + m_f.replacementText;
            from = at + m_f.text.size();
            found = true;
        }
        result += m_text->mid(from);
        *m_text = result;
        return found;
    }

private:
    template<typename T, typename V> void set(const char *call, T &field, const V &value)
    {
        m_s.enter(QString::fromLatin1(call));
        field = value;
    }

    ScriptedAutomation &m_s;
    QString *m_text;
    word::FindSettings m_f;
    ScriptedReplacement m_replacement;
};

class ScriptedRange : public word::Range
{
public:
    ScriptedRange(ScriptedAutomation &s, QString *text) : m_s(s), m_find(s, text) { }
    word::Find &find() override
    {
        m_s.enter(QStringLiteral("Range.Find"));
        return m_find;
    }

private:
    ScriptedAutomation &m_s;
    ScriptedFind m_find;
};

class ScriptedTextFrame : public word::TextFrame
{
public:
    ScriptedTextFrame(ScriptedAutomation &s, QString *text) : m_s(s), m_text(text) { }
    bool hasText() override
    {
        m_s.enter(QStringLiteral("TextFrame.HasText"));
        return !m_text->isEmpty();
    }
    std::shared_ptr<word::Range> textRange() override
    {
        m_s.enter(QStringLiteral("TextFrame.TextRange"));
        return std::make_shared<ScriptedRange>(m_s, m_text);
    }

private:
    ScriptedAutomation &m_s;
    QString *m_text;
};

class ScriptedShape : public word::Shape
{
public:
    ScriptedShape(ScriptedAutomation &s, QString *text) : m_s(s), m_frame(s, text) { }
    word::TextFrame &textFrame() override
    {
        m_s.enter(QStringLiteral("Shape.TextFrame"));
        return m_frame;
    }

private:
    ScriptedAutomation &m_s;
    ScriptedTextFrame m_frame;
};

// Every text of a document in which placeholders are looked for.
template<typename Data, typename Each> void eachText(Data &data, Each &&each)
{
    for (auto &story : data.stories)
        each(story.second);
    for (auto &shape : data.shapes)
        each(shape);
}

// Places of the placeholders in a scripted document: found in a copy of
// the template's texts, filled by writing each text anew from that copy.
template<typename Data> class ScriptedPlaces : public word::PlaceholderPlaces
{
public:
    ScriptedPlaces(Data &data, std::vector<QString> placeholders)
        : m_data(data), m_template(data), m_placeholders(std::move(placeholders))
    {
        eachText(m_template, [&](QString &text) { m_count += int(substitute(text, {}).second); });
    }
    int count() const override { return m_count; }
    void fill(const std::vector<QString> &texts) override
    {
        Data filled = m_template;
        eachText(filled, [&](QString &text) { text = substitute(text, texts).first; });
        m_data = filled;
    }
    std::vector<Behaviour> tryPlaces() override { return std::vector<Behaviour>(size_t(m_count), {false}); }
    void setBehaviours(const std::vector<Behaviour> &) override { }
    bool needsFreshDocument() const override { return false; }

private:
    // The text with each placeholder, left to right, replaced by its text.
    std::pair<QString, int> substitute(const QString &text, const std::vector<QString> &texts) const
    {
        QString result;
        int found = 0;
        for (qsizetype at = 0; at < text.size();) {
            qsizetype matched = -1;
            for (size_t i = 0; i < m_placeholders.size() && matched < 0; ++i) {
                if (!m_placeholders[i].isEmpty()
                    && QStringView(text).mid(at).startsWith(m_placeholders[i], Qt::CaseInsensitive)) {
                    matched = m_placeholders[i].size();
                    result += i < texts.size() ? texts[i] : QString();
                    ++found;
                }
            }
            if (matched < 0)
                result += text[at++];
            else
                at += matched;
        }
        return {result, found};
    }

    Data &m_data;
    Data m_template;
    std::vector<QString> m_placeholders;
    int m_count = 0;
};

class ScriptedDocument : public word::Document
{
public:
    ScriptedDocument(ScriptedAutomation &s, Data data) : m_s(s), m_data(std::move(data)) { }

    std::vector<std::shared_ptr<word::Range>> storyRanges() override
    {
        m_s.enter(QStringLiteral("Document.StoryRanges"));
        std::vector<std::shared_ptr<word::Range>> result;
        for (size_t i = 0; i < m_data.stories.size(); ++i)
            result.push_back(std::make_shared<ScriptedRange>(m_s, &m_data.stories[i].second));
        return result;
    }
    std::vector<std::shared_ptr<word::Shape>> shapes() override
    {
        m_s.enter(QStringLiteral("Document.Shapes"));
        std::vector<std::shared_ptr<word::Shape>> result;
        for (QString &text : m_data.shapes)
            result.push_back(std::make_shared<ScriptedShape>(m_s, &text));
        return result;
    }
    void saveAs(const QString &path) override
    {
        m_s.enter(QStringLiteral("Document.SaveAs"));
        m_s.update([&] {
            m_s.files[path] = m_data;
            m_s.savedProperties[path] = m_properties;
        });
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw Failure(QStringLiteral("Cannot save %1").arg(path));
        for (const auto &story : m_data.stories)
            file.write(story.second.toUtf8() + '\n');
    }
    void exportCopy(const QString &path, word::LetterFormat format) override
    {
        m_s.enter(QStringLiteral("Document.Export"));
        m_s.update([&] {
            m_s.exports.push_back({path, format});
            // A copy written is a file that holds the letter as it is now.
            m_s.files[path] = m_data;
            m_s.savedProperties[path] = m_properties;
        });
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw Failure(QStringLiteral("Cannot export %1").arg(path));
        for (const auto &story : m_data.stories)
            file.write(story.second.toUtf8() + '\n');
    }
    void appendDocument(const QString &path) override
    {
        m_s.enter(QStringLiteral("Document.InsertFile"));
        // Each story goes on with the other file's text of that story.
        m_s.update([&] {
            for (size_t i = 0; i < m_data.stories.size() && i < m_s.files.at(path).stories.size(); ++i)
                m_data.stories[i].second += u'\f' + m_s.files.at(path).stories[i].second;
        });
    }
    void print(const word::PrintSettings &settings) override
    {
        m_s.enter(QStringLiteral("Document.Print"));
        m_s.update([&] { m_s.printed.push_back(settings); });
    }
    void close(std::optional<word::WdSaveOptions>) override { m_s.enter(QStringLiteral("Document.Close")); }
    void setBuiltInProperties(const word::DocumentProperties &properties) override
    {
        m_s.enter(QStringLiteral("Document.BuiltInDocumentProperties"));
        m_properties = properties;
    }
    std::unique_ptr<word::PlaceholderPlaces> findPlaceholders(const std::vector<QString> &placeholders) override
    {
        m_s.enter(QStringLiteral("Document.FindPlaceholders"));
        return std::make_unique<ScriptedPlaces<Data>>(m_data, placeholders);
    }
    QStringList bracketedTexts() override
    {
        m_s.enter(QStringLiteral("Document.BracketedTexts"));
        static const QRegularExpression bracketed(QStringLiteral("\\[[A-Za-z][A-Za-z0-9_-]*\\]"));
        QStringList found;
        auto look = [&](const QString &text) {
            for (const QRegularExpressionMatch &match : bracketed.globalMatch(text))
                found.append(match.captured(0));
        };
        for (const auto &story : m_data.stories)
            look(story.second);
        for (const QString &shape : m_data.shapes)
            look(shape);
        return found;
    }
    // The main text's lines between the one that begins with "Dear" and
    // "Sincerely," are its body; a bulleted paragraph's line begins with
    // a bullet.
    void replaceBody(const std::vector<word::BodyParagraph> &paragraphs) override
    {
        m_s.enter(QStringLiteral("Document.ReplaceBody"));
        QStringList lines = m_data.stories.front().second.split(u'\n');
        qsizetype greeting = 0;
        while (greeting < lines.size() && !lines[greeting].startsWith(QStringLiteral("Dear")))
            ++greeting;
        const qsizetype closing = lines.indexOf(QStringLiteral("Sincerely,"), greeting);
        if (greeting >= lines.size() || closing < 0)
            throw Failure(QStringLiteral("ReplaceBody failed: the letter has no greeting and closing"));
        QStringList body;
        for (const word::BodyParagraph &p : paragraphs)
            body << (p.bulleted ? QStringLiteral("\u2022 ") : QString()) + p.text;
        lines = lines.mid(0, greeting + 1) + body + lines.mid(closing);
        m_data.stories.front().second = lines.join(u'\n');
    }
    // The main text's lines are its paragraphs.
    int editParagraphs(const std::vector<word::ParagraphEdit> &edits) override
    {
        m_s.enter(QStringLiteral("Document.EditParagraphs"));
        QStringList lines = m_data.stories.front().second.split(u'\n');
        int count = 0;
        qsizetype next = 0;
        for (const word::ParagraphEdit &edit : edits) {
            const qsizetype at = lines.indexOf(edit.text, next);
            if (at < 0)
                continue;
            ++count;
            for (qsizetype i = 0; i < edit.after.size(); ++i)
                lines.insert(at + 1 + i, edit.after[i]);
            next = at + 1 + edit.after.size();
            if (edit.newText) {
                lines[at] = *edit.newText;
            } else {
                lines.removeAt(at);
                --next;
            }
        }
        m_data.stories.front().second = lines.join(u'\n');
        return count;
    }
    // A picture stands in the main text as "(picture)".
    int placePicture(const QString &placeholder, const QString &path, double heightMm) override
    {
        Q_UNUSED(path);
        Q_UNUSED(heightMm);
        m_s.enter(QStringLiteral("Document.PlacePicture"));
        QString &text = m_data.stories.front().second;
        const int count = int(text.count(placeholder, Qt::CaseInsensitive));
        text.replace(placeholder, QStringLiteral("(picture)"), Qt::CaseInsensitive);
        return count;
    }
    int turnHeaderFieldsIntoPlaceholders() override
    {
        m_s.enter(QStringLiteral("Document.HeaderFields"));
        return 0;
    }
    void setPaperSize(int width, int height) override
    {
        m_s.enter(QStringLiteral("Document.PageSetup"));
        m_s.update([&] { m_s.paperSizes.emplace_back(width, height); });
    }
    int removeUnusedTableStyles() override
    {
        m_s.enter(QStringLiteral("Document.TableStyles"));
        return 0;
    }
    std::shared_ptr<word::Range> range() override
    {
        m_s.enter(QStringLiteral("Document.Range"));
        return std::make_shared<ScriptedRange>(m_s, &m_data.stories.front().second);
    }
    // The main text's pages are separated by form feeds.
    int pageCount() override
    {
        m_s.enter(QStringLiteral("Document.PageCount"));
        return int(m_data.stories.front().second.count(u'\f')) + 1;
    }
    word::PagePicture renderPage(int number, int) override
    {
        m_s.enter(QStringLiteral("Document.RenderPage"));
        return {m_s.picture, m_data.stories.front().second.split(u'\f').value(number - 1), m_s.picture};
    }

private:
    ScriptedAutomation &m_s;
    Data m_data;
    word::DocumentProperties m_properties;
};

class ScriptedDocuments : public word::Documents
{
public:
    ScriptedDocuments(ScriptedAutomation &s, std::shared_ptr<word::Document> &active) : m_s(s), m_active(active) { }
    std::shared_ptr<word::Document> open(const QString &path, const word::OpenOptions &) override
    {
        m_s.enter(QStringLiteral("Documents.Open"));
        std::optional<Data> data;
        m_s.update([&] {
            const auto it = m_s.files.find(path);
            if (it != m_s.files.end())
                data = it->second;
            else
                data = m_s.anyOtherFile;
        });
        if (!data)
            throw Failure(QStringLiteral("Cannot open %1: no such file").arg(path));
        m_active = std::make_shared<ScriptedDocument>(m_s, *data);
        return m_active;
    }

    // The sheet asked for (the first when no name is given) of
    // anySpreadsheet, as it is scripted; no office checks its header.
    QString saveSheetAsCsv(const QString &, const QString &sheetName, const QString &csvPath) override
    {
        m_s.enter(QStringLiteral("Documents.SaveSheetAsCsv"));
        std::optional<ScriptedAutomation::SpreadsheetData> sheets;
        m_s.update([&] { sheets = m_s.anySpreadsheet; });
        if (!sheets || sheets->empty())
            throw word::SheetFailure(word::SheetProblem::NotASpreadsheet,
                                     QStringLiteral("cannot be read as a spreadsheet"));
        QStringList names;
        for (const auto &sheet : *sheets)
            names << sheet.first;
        const qsizetype index = sheetName.isEmpty() ? 0 : names.indexOf(sheetName);
        if (index < 0)
            throw word::SheetFailure(word::SheetProblem::NoSuchSheet,
                                     QStringLiteral("has no sheet named \"%1\"").arg(sheetName), names);
        QFile csv(csvPath);
        if (!csv.open(QIODevice::WriteOnly) || csv.write((*sheets)[size_t(index)].second) < 0)
            throw Failure(QStringLiteral("Cannot write %1").arg(csvPath));
        return names[index];
    }

private:
    ScriptedAutomation &m_s;
    std::shared_ptr<word::Document> &m_active;
};

class ScriptedApplication : public word::Application
{
public:
    explicit ScriptedApplication(ScriptedAutomation &s) : m_s(s), m_documents(s, m_active) { }
    word::Documents &documents() override
    {
        m_s.enter(QStringLiteral("Application.Documents"));
        return m_documents;
    }
    void setDisplayAlerts(bool) override { m_s.enter(QStringLiteral("Application.DisplayAlerts")); }
    std::shared_ptr<word::Document> activeDocument() override
    {
        m_s.enter(QStringLiteral("Application.ActiveDocument"));
        if (!m_active)
            throw Failure(QStringLiteral("No document is open"));
        return m_active;
    }
    void quit() override
    {
        m_s.enter(QStringLiteral("Application.Quit"));
        m_s.update([&] { ++m_s.quits; });
    }
    void kill() override { m_s.kill(); }

private:
    ScriptedAutomation &m_s;
    std::shared_ptr<word::Document> m_active;
    ScriptedDocuments m_documents;
};

} // namespace

std::shared_ptr<word::Application> ScriptedAutomation::createApplication(word::CreationStop *stop, word::OfficeUse use)
{
    if (stop)
        stop->alsoDo([this] { kill(); });
    const auto forget = qScopeGuard([&] {
        if (stop)
            stop->alsoDo({});
    });
    enter(QStringLiteral("Automation.Create"));
    if (stop && stop->stopped())
        throw Failure(QStringLiteral("The office was not needed any more"));
    if (!canCreate)
        throw Failure(QStringLiteral("No office could be started"));
    update([&] {
        ++created;
        createdFor.push_back(use);
    });
    return std::make_shared<ScriptedApplication>(*this);
}
