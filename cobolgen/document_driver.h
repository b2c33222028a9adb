// The document driver: one generation as the user asked for it. It settles
// where the files go, asks the questions, runs the IDE step, owns the files
// and their locks, and has the writer (CCblFile) render into them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cobolgen/cbl_file.h"
#include "cobolgen/output_file.h"
#include "cobolgen/prompter.h"
#include "platform/ide_link.h"

namespace qorvix {

// What a generation needs from outside. Every pointer may be null: no
// prompter shows nothing and answers with each question's default.
struct WriterServices {
    Prompter* prompter = nullptr;
    ProgIdLookup* progIds = nullptr;
    IdeLink* ide = nullptr;
    bool ideRegistered = false;
    // The run's naming; without one the generation numbers its own made-up
    // names from 0 and checks no reserved words.
    CobolNaming* naming = nullptr;
    // The run's generation folder: relative copy-file names resolve against
    // it. Empty stands for the process's current directory.
    std::string folder;
    // How file bytes are written; empty: the system's write.
    OutputFile::WriteCall writeFile;
};

class DocumentDriver final : private GenerationOutput {
  public:
    // The options' switches; their copy file is GenerateCopyFile's to take.
    explicit DocumentDriver(const GenerationOptions& options, WriterServices services = {});
    ~DocumentDriver() override;
    DocumentDriver(const DocumentDriver&) = delete;
    DocumentDriver& operator=(const DocumentDriver&) = delete;

    // Writes the copy file `name` (changed to its bare name) for `lib`, and
    // the class files asked for. The copy file is in place, and still held,
    // when this returns true.
    bool GenerateCopyFile(std::string& name, ITypeLib& lib);

    // Lets go of the copy file now rather than at destruction. True when
    // nothing of this generation failed to be written.
    bool CloseCopyFile();

    // How many files this generation was to write and did not: declined,
    // refused, failed, or skipped after a failure that every file in the
    // folder would meet; when the copy file is not written, none of the
    // class files is either. The batch run's exit status comes from this.
    int FilesNotWritten() const { return m_filesNotWritten; }
    // The run's generation folder after this generation: the folder it
    // settled on (its copy file's, or the project directory), or the one it
    // was given when it got no further.
    const std::string& GenerationFolder() const { return m_generationFolder; }
    bool DualInterfaces() const { return m_options.dualInterfaces; }
    bool AddToProject() const { return m_options.addToProject; }

  private:
    // A failure that the next file in the folder would meet as well: shown
    // once, at the end of the generation, with the number of files it cost.
    struct FolderFailure {
        int message = 0;  // 0: none
        std::string file;
        int error = 0;
        int others = 0;  // more files lost to it
    };

    // GenerationOutput: the files the writer renders into.
    TextSink& CopyFile() override { return m_copyFile; }
    TextSink* BeginClassFile(const std::string& fileName) override;
    void EndClassFile() override;

    // m_options with the copy file this generation resolved.
    GenerationOptions Options() const;
    Answer Ask(int id, std::string_view arg, MessageIcon icon, MessageButtons buttons,
               Answer defaultAnswer, bool foreground = false);
    void Tell(int id, std::string_view arg, MessageIcon icon);
    // Shows message `id` with its text as a warning.
    void Warn(int id, std::string text);
    // Where relative names start: the run's folder, or the current directory.
    std::string BaseFolder() const;
    // Settles the folder and the bare name of `name`; false after telling why.
    bool ResolveCopyFile(std::string& name);
    // The overwrite question and the writability probe for `fileName`; the
    // probe is the start of `file`, which the generation then writes.
    bool CheckWritable(const std::string& fileName, OutputFile& file);
    // The class files this generation is to write, named before anything
    // is written.
    void PlanClassFiles(ITypeLib& lib);
    // Notes which of the generation's files exist, and so will be asked
    // about, in the order they come.
    void FindFilesToAsk(const std::string& copyFile);
    // Question 102 for `fileName`, with answers for all when more than one
    // file is still to be asked about; true to replace the file.
    bool MayReplace(const std::string& fileName);
    bool ProjectStep(const std::string& bareName, std::unique_ptr<IdeProject>& project,
                     std::string& directory);
    // Message 103 for `file` with the reason; a failure the whole folder
    // would meet is kept for the end instead.
    void CannotWrite(const std::string& file, int error);
    // Puts `file` in place; shows a failure (120, 140, 141) and counts it.
    bool Commit(OutputFile& file, bool keepHeld);
    // The message for a write of `file` that failed: whether its name was
    // left as it was or free.
    static int WriteFailedMessage(const OutputFile& file);
    bool IsFolderWide(int error) const;
    // Message `message` for `file` with the system's reason for `error`, or
    // kept for the end when every file in the folder would fail alike.
    void Report(int message, const std::string& file, int error);
    // Shows the kept folder failure, with what it cost.
    void ShowFolderFailure();
    // Counts one more file not written; false for the caller to pass on.
    bool NotWritten();
    // Counts every file of the generation as not written: the copy file
    // and the class files it was to have.
    bool NoneWritten();

    // The switches as this generation has them (dual only with classes,
    // the project only with the IDE); the copy file is m_strCopyFileName.
    GenerationOptions m_options;
    WriterServices m_services;
    std::string m_generationFolder;
    CobolNaming m_ownNaming;
    OutputFolder m_folder;
    OutputFile m_copyFile;
    OutputFile m_classFile;
    std::string m_strCopyFileName;
    FolderFailure m_folderFailure;
    std::vector<std::string> m_classFiles;
    // The files that existed when the generation began, to be asked
    // about in this order, and how many of them were reached.
    std::vector<std::string> m_filesToAsk;
    std::size_t m_filesAsked = 0;
    // Yes or No given for every file still to be asked about.
    std::optional<Answer> m_answerForAll;
    bool m_writeFailed = false;
    int m_filesNotWritten = 0;
};

}  // namespace qorvix
