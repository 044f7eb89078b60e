#pragma once

#include <QFlags>
#include <QLibrary>
#include <QString>
#include <QStringList>
#include <memory>

namespace harbex {

// The internal zip engine as the program drives it: two loadable modules (the zip module makes
// archives, the unzip module reads them back) in DLLDirectory, the archive to make, the file
// specifications to put in it and the options of the add.
class TZipMaster {
  public:
    // The options this program uses: freshen or update instead of adding every file, keep the
    // folder names inside the archive, and let a pattern match in sub-folders.
    enum AddOption { AddFreshen = 0x1, AddUpdate = 0x2, AddDirNames = 0x4, AddRecurseDirs = 0x8 };
    Q_DECLARE_FLAGS(AddOptionSet, AddOption)

    TZipMaster();
    ~TZipMaster();

    QString DLLDirectory() const { return dllDirectory_; }
    // Drops one trailing backslash.
    void setDLLDirectory(const QString& folder);

    QString ZipFilename;
    QStringList FSpecArgs;
    AddOptionSet AddOptions;
    int AddCompLevel = 9;
    bool Verbose = false;
    bool Trace = false;
    bool Unattended = false;

    // Load the module from DLLDirectory when it is there, otherwise through the system's
    // library search; false (with LoadError saying why) when it cannot be loaded.
    bool LoadZipLibrary();
    bool LoadUnzipLibrary();
    bool ZipLibraryLoaded() const { return zipExec_ != nullptr; }
    bool UnzipLibraryLoaded() const { return unzExec_ != nullptr; }
    QString LoadError;

    // Creates or updates ZipFilename with the files FSpecArgs names, under a temporary name
    // that becomes the archive's only once it has been read back. Throws HarbexError when the
    // archive cannot be made; the previous archive is then untouched.
    void AddFiles();

    // What the last AddFiles did besides: files it could not take ("path (reason)"), and
    // whether there was nothing to add (no archive made or changed).
    QStringList Skipped;
    bool NothingAdded = false;

  private:
    bool load(std::unique_ptr<QLibrary>& library, const QString& moduleName, const char* execName,
              const char* versionName, void** exec);
    void verify(const QString& hostArchive, const QStringList& names);

    QString dllDirectory_;
    std::unique_ptr<QLibrary> zipLibrary_;
    std::unique_ptr<QLibrary> unzipLibrary_;
    void* zipExec_ = nullptr;
    void* unzExec_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TZipMaster::AddOptionSet)

}  // namespace harbex
