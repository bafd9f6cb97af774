// The skin library: carried inside the program, written next to it when
// missing, and reached only through dlopen/dlsym on that file.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace numvella {

inline constexpr char kSkinLibraryName[] = "SkinH_EL.dll";

class SkinLibrary {
 public:
  struct Config {
    QString programDir;
    // Where the library goes when the program's directory cannot be written
    // (an installed copy under /usr): the per-user data location.
    QString fallbackDir;
    // Reports a missing library or operation and ends the program.
    std::function<void(const QString &message)> fail;
  };

  explicit SkinLibrary(Config config);

  // Makes sure the library file exists; returns the path it is loaded from.
  QString EnsureSkinLibrary();

  // The library's operations.  False when the program has been stopped
  // because the library or the operation could not be found.
  bool SetAero(int on);
  bool AttachRes(const QByteArray &data, const char *password, int a, int b, int c);

  // The failure text for an operation that cannot be reached.
  static QString missingOperationMessage(const char *operation);

 private:
  void *resolve(const char *operation);

  Config config_;
  QString path_;        // where the library file is
  QString loadedPath_;  // what handle_ was opened from
  void *handle_ = nullptr;
};

}  // namespace numvella
