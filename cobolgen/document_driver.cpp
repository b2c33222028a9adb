#include "cobolgen/document_driver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/locale_text.h"
#include "resources/string_table.h"

namespace qorvix {
namespace {

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// What the IDE gave as its project directory can only be used when it is an
// absolute path of plain characters: anything else would write somewhere
// the user never saw, or show a question that hides part of the name.
bool IsUsableDirectoryText(const std::string& directory) {
    if (directory.empty() || directory[0] != '/') return false;
    for (char c : directory) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return false;
    }
    return true;
}

// A control character (C0, DEL, or C1 as the locale's character set reads
// it: in UTF-8 the bytes 0x80 to 0x9F are parts of other characters).
bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A copy-file name with a control character would break the copy
// statement of every class file apart.
bool HoldsControlCharacter(const std::string& name) {
    std::u16string wide = AnsiToWide(name);
    return std::any_of(wide.begin(), wide.end(), IsControl);
}

// The name as a message can show it, its control characters as '?'.
std::string Shown(const std::string& name) {
    std::u16string wide = AnsiToWide(name);
    std::replace_if(wide.begin(), wide.end(), IsControl, u'?');
    return WideToAnsi(wide);
}

// The system's reason for an error number, for a line of its own.
std::string Reason(int error) {
    return error == kNotRegularFile ? LoadString(IDS_NOT_REGULAR_FILE) : std::strerror(error);
}

}  // namespace

DocumentDriver::DocumentDriver(const GenerationOptions& options, WriterServices services)
    : m_options(options), m_services(std::move(services)), m_generationFolder(m_services.folder) {
    m_options.dualInterfaces = options.interfaceClasses && options.dualInterfaces;
    m_options.addToProject = options.addToProject && m_services.ideRegistered;
}

GenerationOptions DocumentDriver::Options() const {
    GenerationOptions options = m_options;
    options.copyFile = m_strCopyFileName;
    return options;
}

DocumentDriver::~DocumentDriver() {
    CloseCopyFile();
}

bool DocumentDriver::CloseCopyFile() {
    m_copyFile.Release();
    return !m_writeFailed;
}

Answer DocumentDriver::Ask(int id, std::string_view arg, MessageIcon icon, MessageButtons buttons,
                           Answer defaultAnswer, bool foreground) {
    Message message = MakeMessage(id, FormatString(id, arg), icon);
    message.buttons = buttons;
    message.defaultAnswer = defaultAnswer;
    message.foreground = foreground;
    return m_services.prompter ? m_services.prompter->Show(message) : defaultAnswer;
}

void DocumentDriver::Tell(int id, std::string_view arg, MessageIcon icon) {
    Ask(id, arg, icon, MessageButtons::Ok, Answer::Ok);
}

void DocumentDriver::Warn(int id, std::string text) {
    if (m_services.prompter)
        m_services.prompter->Show(MakeMessage(id, std::move(text), MessageIcon::Warning));
}

bool DocumentDriver::NotWritten() {
    ++m_filesNotWritten;
    return false;
}

bool DocumentDriver::NoneWritten() {
    m_filesNotWritten += 1 + static_cast<int>(m_classFiles.size());
    return false;
}

bool DocumentDriver::IsFolderWide(int error) const {
    return error == ENOSPC || error == EDQUOT || error == EROFS || m_folder.Gone();
}

void DocumentDriver::CannotWrite(const std::string& file, int error) {
    Report(IDS_CANNOT_WRITE, file, error);
}

bool DocumentDriver::Commit(OutputFile& file, bool keepHeld) {
    if (file.Commit(keepHeld)) return true;
    m_writeFailed = true;
    NotWritten();
    // Another run writing the same files took the free name with a file
    // as whole as ours: nothing failed but the race.
    if (file.NameTakenMeanwhile() && Inspect(m_folder, file.Name()).holds == NameHolds::File) {
        Tell(IDS_WRITTEN_BY_OTHER_RUN, file.Name(), MessageIcon::Warning);
        return false;
    }
    Report(WriteFailedMessage(file), file.Name(), file.ErrorNumber());
    return false;
}

int DocumentDriver::WriteFailedMessage(const OutputFile& file) {
    return file.Replacing() ? IDS_WRITE_FAILED : IDS_WRITE_FAILED_NEW;
}

void DocumentDriver::Report(int message, const std::string& file, int error) {
    // A failure every further file would meet is kept, and shown once.
    if (IsFolderWide(error)) {
        if (m_folderFailure.message == 0) {
            m_folderFailure = {message, file, error, 0};
        } else if (m_folderFailure.file != file) {
            ++m_folderFailure.others;
        }
        return;
    }
    Warn(message, FormatString(message, file, Reason(error)));
}

void DocumentDriver::ShowFolderFailure() {
    if (m_folderFailure.message == 0) return;
    FolderFailure failure = m_folderFailure;
    m_folderFailure = {};
    std::string text = FormatString(failure.message, failure.file, Reason(failure.error));
    if (failure.others > 0)
        text += "\n" + FormatString(IDS_FILES_SKIPPED, std::to_string(failure.others));
    Warn(failure.message, std::move(text));
}

std::string DocumentDriver::BaseFolder() const {
    if (!m_generationFolder.empty()) return m_generationFolder;
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

bool DocumentDriver::ResolveCopyFile(std::string& name) {
    std::string given = name;
    std::filesystem::path path(Trim(name));
    if (path.is_relative()) path = std::filesystem::path(BaseFolder()) / path;
    path = path.lexically_normal();
    std::string bare = path.filename().string();
    if (bare.empty()) {
        // "out/", "." or "..": a folder, not a file. Say so with what the
        // user gave, which is all the name there is.
        struct stat st {};
        int error = stat(path.c_str(), &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : ENOTDIR;
        CannotWrite(given, error);
        return false;
    }
    if (HoldsControlCharacter(bare)) {
        Warn(IDS_CANNOT_WRITE,
             FormatString(IDS_CANNOT_WRITE, Shown(given), LoadString(IDS_CONTROL_NAME)));
        return false;
    }
    // A folder that cannot be used must not send the file elsewhere.
    std::string folder = path.parent_path().string();
    if (FileError error = m_folder.Open(folder); error.Failed()) {
        CannotWrite(given, error.Number());
        return false;
    }
    m_generationFolder = folder;
    name = bare;
    return true;
}

bool DocumentDriver::GenerateCopyFile(std::string& name, ITypeLib& lib) {
    PlanClassFiles(lib);
    m_filesToAsk.clear();
    m_answerForAll.reset();
    if (m_copyFile.Held()) {
        Tell(IDS_ALREADY_OPEN, name, MessageIcon::Warning);
        return NoneWritten();
    }
    m_folderFailure = {};
    if (!ResolveCopyFile(name)) {
        ShowFolderFailure();
        return NoneWritten();
    }

    std::unique_ptr<IdeProject> project;
    std::string projectDirectory;
    if (m_options.addToProject && !ProjectStep(name, project, projectDirectory)) {
        ShowFolderFailure();
        return NoneWritten();
    }

    FindFilesToAsk(name);
    if (!CheckWritable(name, m_copyFile)) {
        ShowFolderFailure();
        return NoneWritten();
    }
    m_strCopyFileName = name;
    {
        GenerationContext context(m_services.naming ? *m_services.naming : m_ownNaming,
                                  m_services.progIds);
        CCblFile writer(Options(), context, *this);
        writer.WriteCopyFile(lib, name);
    }
    bool placed = Commit(m_copyFile, true);
    ShowFolderFailure();
    if (!placed) return false;
    if (!projectDirectory.empty() && project) project->AddFile(m_strCopyFileName);
    return !m_writeFailed;
}

void DocumentDriver::PlanClassFiles(ITypeLib& lib) {
    m_classFiles.clear();
    if (!m_options.interfaceClasses) return;
    // Naming the types uses up made-up names: the look ahead numbers on
    // from the run's naming without changing it.
    CobolNaming lookAhead;
    lookAhead.StartFrom(m_services.naming ? *m_services.naming : m_ownNaming);
    GenerationContext context(lookAhead);
    CCblFile writer(Options(), context, *this);
    m_classFiles = writer.ClassFileNames(lib);
}

void DocumentDriver::FindFilesToAsk(const std::string& copyFile) {
    m_filesToAsk.clear();
    m_filesAsked = 0;
    // Without class files there is one question at most.
    if (m_classFiles.empty()) return;
    auto note = [this](const std::string& file) {
        NameHolds holds = Inspect(m_folder, file).holds;
        if (holds == NameHolds::File || holds == NameHolds::Link) m_filesToAsk.push_back(file);
    };
    note(copyFile);
    for (const std::string& file : m_classFiles) {
        // A class file at the copy file's name is refused, not asked about.
        if (file != copyFile) note(file);
    }
}

bool DocumentDriver::MayReplace(const std::string& fileName) {
    if (m_answerForAll) return *m_answerForAll == Answer::Yes;
    std::size_t at = m_filesAsked;
    while (at < m_filesToAsk.size() && m_filesToAsk[at] != fileName)
        ++at;
    // A file that has appeared since the generation began is one more.
    std::size_t stillToAsk = 1 + m_filesToAsk.size() - m_filesAsked;
    if (at < m_filesToAsk.size()) {
        stillToAsk = m_filesToAsk.size() - at;
        m_filesAsked = at + 1;
    }
    Answer answer =
        Ask(IDS_FILE_EXISTS, fileName, MessageIcon::Question,
            stillToAsk > 1 ? MessageButtons::YesNoToAll : MessageButtons::YesNo, Answer::No);
    if (answer == Answer::YesToAll) m_answerForAll = Answer::Yes;
    if (answer == Answer::NoToAll) m_answerForAll = Answer::No;
    return answer == Answer::Yes || answer == Answer::YesToAll;
}

bool DocumentDriver::CheckWritable(const std::string& fileName, OutputFile& file) {
    auto [holds, error] = Inspect(m_folder, fileName);
    if (holds == NameHolds::Directory || holds == NameHolds::Other) {
        CannotWrite(fileName, holds == NameHolds::Directory ? EISDIR : error.Number());
        return false;
    }
    // A file another generation holds is not ours to ask about. One we
    // cannot read is still asked about, and judged by its write permission.
    OpenedFile existing;
    if (holds == NameHolds::File) existing = HoldExisting(m_folder, fileName);
    if (existing.error.Failed() && existing.error.Number() != EACCES) {
        CannotWrite(fileName, existing.error.Number());
        return false;
    }
    // A symbolic link counts as a file: Yes replaces the link, never what
    // it points to.
    if (holds != NameHolds::Nothing) {
        if (!MayReplace(fileName)) return false;
        // A file made read-only stays as it is.
        if (holds == NameHolds::File &&
            faccessat(m_folder.Fd(), fileName.c_str(), W_OK, AT_EACCESS) != 0) {
            CannotWrite(fileName, errno);
            return false;
        }
    }
    if (FileError begun = file.Begin(m_folder, fileName, holds != NameHolds::Nothing,
                                     std::move(existing.fd), m_services.writeFile);
        begun.Failed()) {
        CannotWrite(fileName, begun.Number());
        return false;
    }
    return true;
}

TextSink* DocumentDriver::BeginClassFile(const std::string& fileName) {
    // Once the copy file has met a failure that every file here would meet,
    // the class files are not tried either.
    if (m_folderFailure.message == 0 && m_copyFile.Failed() &&
        IsFolderWide(m_copyFile.ErrorNumber())) {
        m_folderFailure = {WriteFailedMessage(m_copyFile), m_strCopyFileName,
                           m_copyFile.ErrorNumber(), 0};
    }
    if (m_folderFailure.message != 0) {
        ++m_folderFailure.others;
        NotWritten();
        return nullptr;
    }
    // The copy file's own name is this generation's already.
    if (fileName == m_strCopyFileName) {
        CannotWrite(fileName, EBUSY);
        NotWritten();
        return nullptr;
    }
    if (!CheckWritable(fileName, m_classFile)) {
        NotWritten();
        return nullptr;
    }
    return &m_classFile;
}

void DocumentDriver::EndClassFile() {
    Commit(m_classFile, false);
}

bool DocumentDriver::ProjectStep(const std::string& bareName, std::unique_ptr<IdeProject>& project,
                                 std::string& directory) {
    // A name the IDE cannot be told is as good as no project: adding some
    // other name would put a file into the project that is not there.
    IdeLink* ide = m_services.ide;
    project = ide && ide->CanName(bareName) ? ide->CurrentProject() : nullptr;
    directory = project ? project->Directory() : std::string();
    if (!IsUsableDirectoryText(directory)) directory.clear();
    struct stat there {};
    if (!directory.empty() && (stat(directory.c_str(), &there) != 0 || !S_ISDIR(there.st_mode))) {
        directory.clear();
    }
    if (directory.empty()) {
        project.reset();
        Answer answer = Ask(IDS_NO_PROJECT, "", MessageIcon::Information, MessageButtons::OkCancel,
                            Answer::Ok, true);
        return answer == Answer::Ok;
    }
    // The same folder is the same file, not the same spelling: on Linux
    // /w/PROJ and /w/proj are two folders, while a trailing slash or a
    // symbolic link still names this one.
    if (m_folder.Is(directory)) return true;
    Answer answer = Ask(IDS_PROJECT_DIRECTORY, directory, MessageIcon::Information,
                        MessageButtons::OkCancel, Answer::Ok, true);
    if (answer != Answer::Ok) {
        project.reset();
        return false;
    }
    OutputFolder projectFolder;
    if (FileError error = projectFolder.Open(directory); error.Failed()) {
        // Writing into the folder the user left would surprise them more
        // than stopping does.
        CannotWrite(directory, error.Number());
        project.reset();
        return false;
    }
    m_folder = std::move(projectFolder);
    m_generationFolder = directory;
    return true;
}

}  // namespace qorvix
