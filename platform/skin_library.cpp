#include "platform/skin_library.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace numvella {

namespace {

// Never overwrites in place: another running copy may have the old file
// mapped.  QSaveFile writes a temporary file and renames it.
bool writeCarriedCopy(const QString &path) {
  QFile carried(QStringLiteral(":/skinlib/libSkinH_EL.so"));
  if (!carried.open(QIODevice::ReadOnly)) return false;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(carried.readAll()) < 0) return false;
  // The file would be hidden where the file system has such an attribute;
  // Linux has none (a leading dot would change its name).
  return file.commit();
}

}  // namespace

SkinLibrary::SkinLibrary(Config config) : config_(std::move(config)) {}

QString SkinLibrary::EnsureSkinLibrary() {
  const QString path = config_.programDir + u'/' + QLatin1String(kSkinLibraryName);
  if (QFileInfo::exists(path) || writeCarriedCopy(path)) return path_ = path;
  // The program's directory is read-only: keep the library per user instead,
  // so an installed copy still starts.
  const QString fallback = config_.fallbackDir + u'/' + QLatin1String(kSkinLibraryName);
  if (!config_.fallbackDir.isEmpty() && !QFileInfo::exists(fallback)) writeCarriedCopy(fallback);
  return path_ = QFileInfo::exists(fallback) ? fallback : path;
}

QString SkinLibrary::missingOperationMessage(const char *operation) {
  return QStringLiteral("运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“%1”中的输出命令“%2”\r\n")
      .arg(QLatin1String(kSkinLibraryName), QLatin1String(operation));
}

void *SkinLibrary::resolve(const char *operation) {
  if (path_.isEmpty()) EnsureSkinLibrary();
  if (path_ != loadedPath_) {
    // An absolute path: no library search path is consulted.  A handle once
    // opened stays open: the skin it applied is still in use.
    const QByteArray file = QFile::encodeName(QFileInfo(path_).absoluteFilePath());
    handle_ = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    loadedPath_ = path_;
  }
  void *symbol = handle_ ? dlsym(handle_, operation) : nullptr;
  if (!symbol && config_.fail) config_.fail(missingOperationMessage(operation));
  return symbol;
}

bool SkinLibrary::SetAero(int on) {
  auto fn = reinterpret_cast<int (*)(int)>(resolve("SkinH_SetAero"));
  if (!fn) return false;
  fn(on);
  return true;
}

bool SkinLibrary::AttachRes(const QByteArray &data, const char *password, int a, int b, int c) {
  auto fn = reinterpret_cast<int (*)(const unsigned char *, int, const char *, int, int, int)>(
      resolve("SkinH_AttachRes"));
  if (!fn) return false;
  fn(reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()), password, a, b, c);
  return true;
}

}  // namespace numvella
