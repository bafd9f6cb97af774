// The skin library as the program meets it on disk: written when missing,
// left alone when present, and a clear stop when it is broken.
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "program_fixture.h"
#include "ui/startup.h"

using namespace numvella;
using namespace numvella::testing;

namespace {

struct FileStamp {
  ino_t inode;
  struct timespec mtime;
  bool operator==(const FileStamp &o) const {
    return inode == o.inode && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
  }
};

FileStamp stampOf(const QString &path) {
  struct stat st {};
  EXPECT_EQ(stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
  return {st.st_ino, st.st_mtim};
}

struct SkinFixture : ProgramFixture {
  QString libraryPath() const { return dir.path() + "/SkinH_EL.dll"; }

  // Starts the program expecting it to stop at the skin library; returns
  // the message it showed.
  QString startExpectingFailure() {
    QString message;
    whenReady([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
              [&] { message = closeMessageBox(); });
    makeProgram();
    program->start();
    EXPECT_EQ(terminated, QList<int>{1}) << "the program ends with a failure status";
    EXPECT_EQ(intro(), nullptr) << "start-up went no further";
    return message;
  }
};

}  // namespace

TEST_F(SkinFixture, FirstRunWritesTheLibraryAndLaterRunsLeaveItAlone) {
  ASSERT_FALSE(QFileInfo::exists(libraryPath()));
  start();
  ASSERT_TRUE(QFileInfo::exists(libraryPath()));
  QFile carried(":/skinlib/libSkinH_EL.so");
  ASSERT_TRUE(carried.open(QIODevice::ReadOnly));
  QFile written(libraryPath());
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), carried.readAll());
  EXPECT_TRUE(terminated.isEmpty());
  // The skin is on: the application style sheet came from the library.
  EXPECT_FALSE(qApp->styleSheet().isEmpty());
  EXPECT_EQ(main()->ui.a标签->palette().color(QPalette::WindowText), QColor("#FF8000"))
      << "the skin leaves the labels' own colours alone";

  const FileStamp first = stampOf(libraryPath());
  program.reset();
  start();
  EXPECT_TRUE(stampOf(libraryPath()) == first) << "not written again";
  EXPECT_TRUE(main()->isVisible());
}

TEST_F(SkinFixture, ACorruptLibraryStopsTheProgramNamingTheFirstOperation) {
  QFile bad(libraryPath());
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a library");
  bad.close();
  EXPECT_EQ(startExpectingFailure(),
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_SetAero”\r\n|信息：");
}

TEST_F(SkinFixture, ALibraryWithoutAttachResStopsTheProgramNamingIt) {
  ASSERT_TRUE(QFile::copy(NOATTACH_LIBRARY, libraryPath()));
  EXPECT_EQ(startExpectingFailure(),
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”\r\n|信息：");
}

TEST_F(SkinFixture, AnUnwritableProgramDirectoryFallsBackToThePerUserLocation) {
  // A directory below a plain file cannot be created or written, not even by
  // root, as an installed copy's directory cannot be by a player.
  QFile plain(dir.path() + "/installed");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  Environment env = testEnvironment();
  env.programDir = dir.path() + "/installed/bin";
  program = std::make_unique<Program>(env);
  program->windows.onProgramEnd = [this] { ++programEnds; };
  whenReady([this] { return intro() && intro()->isVisible(); },
            [this] { QTest::keyClick(intro(), Qt::Key_Escape); });
  program->start();
  EXPECT_TRUE(terminated.isEmpty());
  EXPECT_TRUE(QFileInfo::exists(dir.path() + "/user/SkinH_EL.dll"));
  EXPECT_TRUE(main()->isVisible());
}

TEST_F(SkinFixture, OutOfRangeSkinNumbersPassNoDataAndChangeNothing) {
  start();
  const QString before = qApp->styleSheet();
  EXPECT_TRUE(ApplySkin(*program, 0));
  EXPECT_TRUE(ApplySkin(*program, 34));
  EXPECT_EQ(qApp->styleSheet(), before);
  EXPECT_TRUE(ApplySkin(*program, 7));
  EXPECT_NE(qApp->styleSheet(), before);
}

TEST(RealProgram, WritesTheLibraryNextToItself) {
  QTemporaryDir dir;
  const QString exe = dir.path() + "/numvella";
  ASSERT_TRUE(QFile::copy(NUMVELLA_EXECUTABLE, exe));
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(env);
  process.start(exe, {});
  ASSERT_TRUE(process.waitForStarted());
  // The program waits in its intro; the library is there by then.
  QElapsedTimer clock;
  clock.start();
  while (!QFileInfo::exists(dir.path() + "/SkinH_EL.dll") && clock.elapsed() < 20000) QTest::qWait(20);
  EXPECT_TRUE(QFileInfo::exists(dir.path() + "/SkinH_EL.dll"));
  QTest::qWait(200);
  EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
  process.kill();
  process.waitForFinished();
}

TEST(RealProgram, SaysSoInOneLineWithoutADisplay) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  process.setProcessEnvironment(env);
  process.start(NUMVELLA_EXECUTABLE, {});
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_NE(process.exitCode(), 0);
  const QString err = QString::fromUtf8(process.readAllStandardError()).trimmed();
  EXPECT_EQ(err.count('\n'), 0) << err.toStdString();
  EXPECT_TRUE(err.contains("xvfb-run")) << err.toStdString();
}
