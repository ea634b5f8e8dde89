// SPDX-License-Identifier: MIT
#include "articlefilecontroller.h"

#include "articlereader.h"
#include "articlewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kestrin {

namespace {

// The path as the list and the title keep it: absolute and clean, but with
// a symbolic link's own name (saving replaces the link's target).
QString absolutePath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString describeProblem(const ArticleProblem &problem)
{
    if (problem.line <= 0)
        return problem.message;
    return ArticleFileController::tr("line %1, column %2: %3")
        .arg(QString::number(problem.line), QString::number(problem.column), problem.message);
}

} // namespace

ArticleFileController::ArticleFileController(ControlAccess &form, ReadmeDocument &document, MessageBoxService &messages,
                                             ArticleDialogService &dialogs, ByteFileService &files,
                                             RecentArticlesStore &recent, SaveDialogService &createDialog)
    : m_form(form)
    , m_document(document)
    , m_messages(messages)
    , m_dialogs(dialogs)
    , m_files(files)
    , m_recentStore(recent)
    , m_createDialog(createDialog)
{
}

Article ArticleFileController::currentArticle() const
{
    return m_document.article();
}

void ArticleFileController::markStartState()
{
    m_saved = currentArticle();
}

bool ArticleFileController::isModified() const
{
    return currentArticle() != m_saved;
}

bool ArticleFileController::maySwitchArticle()
{
    return !isModified() || askToSaveChanges();
}

bool ArticleFileController::askToSaveChanges()
{
    const QString prompt = m_currentFile.isEmpty() ? tr("Save changes to the article?")
                                                   : tr("Save changes to %1?").arg(QFileInfo(m_currentFile).fileName());
    const MessageAnswer answer = m_messages.show(
        {prompt, kProgramTitle, MessageButtons::SaveDiscardCancel, MessageIcon::Warning, MessageAnswer::Save});
    switch (answer) {
    case MessageAnswer::Save: return save();
    case MessageAnswer::Discard: return true;
    default: return false;
    }
}

bool ArticleFileController::mayExit()
{
    if (fileHasUnsavedChanges())
        return askToSaveChanges();
    return m_messages.show({tr("Do you really want to quit ?\r\nAll unsaved data will be lost."), kProgramTitle,
                            MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes})
           == MessageAnswer::Yes;
}

bool ArticleFileController::mayClose()
{
    return !fileHasUnsavedChanges() || askToSaveChanges();
}

bool ArticleFileController::open()
{
    if (!maySwitchArticle())
        return false;
    const std::optional<QString> path = m_dialogs.chooseOpen(lastFolder());
    if (!path || path->isEmpty())
        return false;
    return openFile(*path, Origin::Chosen);
}

bool ArticleFileController::openRecent(const QString &path)
{
    // A file that has gone is found out before anything is asked, and
    // leaves the list with one message.
    if (!QFileInfo::exists(path)) {
        warn(tr("The article file %1 no longer exists; it has been taken off the list of recent articles.")
                 .arg(QDir::toNativeSeparators(path)));
        forgetRecent(absolutePath(path));
        return false;
    }
    return maySwitchArticle() && openFile(path, Origin::Recent);
}

bool ArticleFileController::openDropped(const QString &path)
{
    return maySwitchArticle() && openFile(path, Origin::Chosen);
}

bool ArticleFileController::openAtStart(const QString &path)
{
    return openFile(path, Origin::StartUp);
}

bool ArticleFileController::openFile(const QString &path, Origin origin)
{
    const QString absolute = absolutePath(path);
    // The whole file is read and checked before the form is touched: a file
    // with problems leaves every field as it was.
    // Read off the window's thread where it has one: a pipe, a slow disk or
    // a large file never stops it from answering, and the user may give up.
    ArticleFileRead read;
    const bool finished = m_work->run(FileWorkRunner::Kind::Reading, [&read, &absolute] {
        if (QFileInfo(absolute).isDir())
            read.error = ArticleFileController::tr("It is a folder, not a file.");
        else
            read = readArticleFile(absolute);
    });
    if (!finished)
        return false;
    if (!read.readable) {
        warn(ArticleFileController::tr("The article file %1 could not be opened:\r\n%2")
                 .arg(escapeControlCharacters(QDir::toNativeSeparators(absolute)), read.error));
        if (origin == Origin::Recent)
            forgetRecent(absolute);
        return false;
    }
    const QList<ArticleProblem> &problems = read.result.problems;
    if (!problems.isEmpty()) {
        QStringList lines{ArticleFileController::tr("The article file %1 was not opened; it has these problems:")
                              .arg(escapeControlCharacters(QDir::toNativeSeparators(absolute)))};
        for (qsizetype i = 0; i < std::min(problems.size(), kShownProblems); ++i)
            lines << describeProblem(problems[i]);
        if (problems.size() > kShownProblems)
            lines << ArticleFileController::tr("and %1 more").arg(problems.size() - kShownProblems);
        warn(lines.join(QStringLiteral("\r\n")));
        return false;
    }
    // A big article fills the form for a while; given up midway, the form
    // gets back all it held, switched-off fields included.
    const ReadmeDocument::FormState before = m_document.formState();
    if (!m_work->fill([&read, this] { m_document.applyArticle(read.result.article); })) {
        m_document.restoreFormState(before);
        return false;
    }
    setCurrentFile(absolute, currentArticle());
    return true;
}

bool ArticleFileController::save()
{
    if (m_currentFile.isEmpty())
        return saveAs();
    return saveTo(m_currentFile);
}

bool ArticleFileController::saveAs()
{
    QString proposed = m_currentFile;
    if (proposed.isEmpty()) {
        const QString folder = lastFolder();
        proposed = proposedFileName(m_form.text(Control::Name));
        if (!folder.isEmpty())
            proposed = QDir(folder).filePath(proposed);
    }
    const std::optional<QString> chosen = m_dialogs.chooseSave(proposed);
    if (!chosen || chosen->isEmpty())
        return false;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return saveTo(path);
}

bool ArticleFileController::saveTo(const QString &path)
{
    // Exactly the article the form gives, so that opening the file gives
    // back the same form.
    const Article article = currentArticle();
    const SaveResult result = m_files.writeBytes(path, writeArticleJson(article));
    if (result.cancelled)
        return false;
    if (!result.ok) {
        warn(ArticleFileController::tr("The article could not be saved to %1:\r\n%2")
                 .arg(escapeControlCharacters(QDir::toNativeSeparators(path)), result.error));
        return false;
    }
    setCurrentFile(absolutePath(path), article);
    return true;
}

void ArticleFileController::newArticle()
{
    if (fileHasUnsavedChanges()) {
        if (!askToSaveChanges())
            return;
        m_document.resetToDefaults();
    } else {
        m_document.newReadme();
        if (m_document.lastNewAnswer() != MessageAnswer::Yes)
            return;
    }
    m_currentFile.clear();
    m_saved = currentArticle();
    m_createDialog.setStartFolder(QString());
    changed();
}

void ArticleFileController::setCurrentFile(const QString &path, const Article &saved)
{
    m_currentFile = path;
    m_saved = saved;
    m_createDialog.setStartFolder(QFileInfo(path).absolutePath());
    rememberRecent(path);
    changed();
}

QStringList ArticleFileController::recentArticles() const
{
    if (!m_recentLoaded) {
        // Loaded when first needed, so that starting the program reads nothing.
        m_recentLoaded = true;
        m_recent.clear();
        for (const QString &path : m_recentStore.load()) {
            if (!path.isEmpty() && m_recent.size() < kRecentLimit && !m_recent.contains(path))
                m_recent << path;
        }
    }
    return m_recent;
}

void ArticleFileController::rememberRecent(const QString &path)
{
    recentArticles();
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentLimit)
        m_recent.removeLast();
    m_recentStore.store(m_recent);
}

void ArticleFileController::forgetRecent(const QString &path)
{
    recentArticles();
    if (m_recent.removeAll(path) == 0)
        return;
    m_recentStore.store(m_recent);
    changed();
}

void ArticleFileController::clearRecentArticles()
{
    m_recent.clear();
    m_recentLoaded = true;
    m_recentStore.store(m_recent);
    changed();
}

QString ArticleFileController::lastFolder() const
{
    if (!m_currentFile.isEmpty())
        return QFileInfo(m_currentFile).absolutePath();
    const QStringList recent = recentArticles();
    return recent.isEmpty() ? QString() : QFileInfo(recent.first()).absolutePath();
}

QString ArticleFileController::proposedFileName(const QString &articleName)
{
    // What Windows, macOS and Linux file systems cannot all hold in a name.
    static const QString forbidden = QStringLiteral("<>:\"/\\|?*");
    constexpr qsizetype kLongestName = 120;
    // Only the name's start can be part of the file's name: a name of
    // megabytes is not gone through.
    QString name = articleName.left(kLongestName);
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c))
            c = u'_';
    }
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    name = name.trimmed();
    // Windows drops trailing dots and blanks from names.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    if (name.isEmpty())
        name = ArticleFileController::tr("article");
    return name + QStringLiteral(".json");
}

void ArticleFileController::warn(const QString &prompt)
{
    m_messages.show({prompt, kProgramTitle, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
}

void ArticleFileController::changed()
{
    if (m_changed)
        m_changed();
}

} // namespace kestrin
