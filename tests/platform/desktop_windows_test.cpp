// Start-up, placement, printing, help and About through the real windows.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include "help/rtf_reader.h"
#include "platform/about_window.h"
#include "platform/desktop_app.h"
#include "platform/help_window.h"
#include "platform/splash_window.h"
#include "tests/platform/gui_fixture.h"

namespace anglewise {
namespace {

using PlacementTest = GuiTest;

TEST_F(PlacementTest, SurvivesARestart) {
  {
    DesktopApp first;
    first.widget().show();
    first.frame().setLeft(1500);
    first.frame().setTop(900);
    first.frame().setWidth(9000);
    first.frame().setHeight(7200);
    first.widget().close();
  }
  DesktopApp second;
  EXPECT_NEAR(second.frame().Left(), 1500, 15);
  EXPECT_NEAR(second.frame().Top(), 900, 15);
  EXPECT_NEAR(second.frame().Width(), 9000, 15);
  EXPECT_NEAR(second.frame().Height(), 7200, 15);
}

TEST_F(PlacementTest, MinimizedCloseSavesNothing) {
  {
    QSettings ini(settingsFile(), QSettings::IniFormat);
    ini.setValue("Settings/MainLeft", "600");
  }
  {
    DesktopApp app;
    app.widget().show();
    app.frame().setLeft(3000);
    app.widget().showMinimized();
    app.widget().close();
  }
  QSettings ini(settingsFile(), QSettings::IniFormat);
  EXPECT_EQ(ini.value("Settings/MainLeft").toString(), "600");
  EXPECT_FALSE(ini.contains("Settings/MainWidth"));
}

TEST_F(PlacementTest, GarbageChangesNothingItShouldNot) {
  QDir().mkpath(config.path() + "/Anglewise");
  QFile file(settingsFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "[Settings]\nMainLeft=abc\nMainTop=1,2\nMainWidth=1e40\nMainHeight=99999999\n"
      "\x01\xff garbage [[[\n");
  file.close();
  MainWindowWidget unplaced;  // the window as built, before any placement
  DesktopApp app;
  EXPECT_EQ(app.widget().pos(), unplaced.pos());
  EXPECT_EQ(app.widget().width(), unplaced.width());
  // Converts, but the window is fitted to the screen it lands on.
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(app.widget().frameGeometry().height(), screen.height());
  EXPECT_TRUE(screen.contains(app.widget().frameGeometry()));
  EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PlacementTest, OffScreenPlacementComesBackIntoView) {
  {
    QSettings ini(settingsFile(), QSettings::IniFormat);
    ini.setValue("Settings/MainLeft", "-9000000");
    ini.setValue("Settings/MainTop", "9000000");
  }
  DesktopApp app;
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.intersects(app.widget().frameGeometry()));
}

TEST_F(PlacementTest, SplashShowsNameAndVersion) {
  SplashWindow splash;
  showSplashFor(splash, 10);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.findChild<QLabel*>("lblProductName")->text(), "Anglewise");
  EXPECT_EQ(splash.findChild<QLabel*>("Lable1")->text(), "For Windows Ver. 2.3");
}

// Whether a library whose file name holds `name` is mapped into this
// process.
bool libraryLoaded(const QString& name) {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && QString(maps.readAll()).contains(name);
}

using StartTest = GuiTest;

// The system's print support (CUPS and the libraries it brings) comes in
// the first time printing needs the printer, not at start. Each test runs
// in a process of its own, so no earlier test has printed.
TEST_F(StartTest, PrintSupportWaitsForPrinting) {
  DesktopApp app;
  app.widget().show();
  EXPECT_FALSE(libraryLoaded("libcups"));
  app.printer();
  EXPECT_TRUE(libraryLoaded("libcups"));
}

class PrintTest : public GuiTest {
 protected:
  PrintTest() {
    app.widget().show();
    app.model().state.programFolder = folder.path().toStdString() + "/";
    app.printer().setOutputFormat(QPrinter::PdfFormat);
    app.printer().setOutputFileName(pdf());
  }
  QString pdf() const { return folder.path() + "/page.pdf"; }
  void print() {
    QTest::mouseClick(app.widget().control<QToolButton>("Printitnow"), Qt::LeftButton);
  }
  // The figure's size on the page in twips, from the image's pixels and the
  // density pdfimages reports.
  QSizeF figureTwips() {
    QProcess p;
    p.start("pdfimages", {"-list", pdf()});
    p.waitForFinished();
    QStringList rows = QString(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (rows.size() != 3) return {};  // two header lines and the figure
    QStringList f = rows[2].simplified().split(' ');
    return QSizeF(f[3].toDouble() / f[12].toDouble() * 1440,
                  f[4].toDouble() / f[13].toDouble() * 1440);
  }
  // Words of the page that show no ink where pdftotext places them, as the
  // page looks rendered: covered by the figure's white ground, say.
  QStringList wordsWithoutInk() {
    QProcess text, render;
    text.start("pdftotext", {"-bbox", pdf(), "-"});
    text.waitForFinished();
    render.start("pdftoppm", {"-r", "72", "-gray", "-singlefile", pdf(), folder.path() + "/page"});
    render.waitForFinished();
    QImage page(folder.path() + "/page.pgm");
    QStringList hidden;
    QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                            R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const auto& m : word.globalMatch(QString(text.readAllStandardOutput()))) {
      QRect box(QPoint(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPoint(m.captured(3).toDouble(), m.captured(4).toDouble()));
      int ink = 0;
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) ink += qGray(page.pixel(x, y)) < 128;
      }
      if (ink == 0) hidden << m.captured(5);
    }
    return hidden;
  }
  QStringList pdfLines() {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf(), "-"});
    p.waitForFinished();
    QStringList lines;
    for (QString line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
      line = line.simplified();
      if (!line.isEmpty()) lines << line;
    }
    return lines;
  }

  QTemporaryDir folder;
  DesktopApp app;
};

void accept(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
}

TEST_F(PrintTest, PageCarriesTitleValuesAndFigure) {
  expectDialogs();
  QTest::mouseClick(app.widget().control<QWidget>("opt90D"), Qt::LeftButton);
  app.model().Text1.setText("3");
  app.model().Check1.setValue(1);
  app.model().Text2.setText("4");
  app.model().Check2.setValue(1);
  QTest::mouseClick(app.widget().control<QToolButton>("displaynow"), Qt::LeftButton);
  answer = accept;
  print();
  EXPECT_EQ(dialogs, QStringList{"Page Setup"});
  EXPECT_TRUE(QFile::exists(folder.path() + "/pic.bmp"));
  EXPECT_EQ(pdfLines(),
            (QStringList{"Anglewise", "X = 3", "Y = 4", "Z = 5", "A Angle = 53.130102354156",
                         "A Angle = 53d 7m 48s .368", "B Angle = 36.869897645844",
                         "B Angle = 36d 52m 11s .632", "C Angle = 90", "C Angle = 90d 0m 0s",
                         "Height = 4", "Width = 3", "Area = 6"}));
  // The figure at its designed size whatever the screen's scale, and every
  // value line still readable below it.
  QSizeF figure = figureTwips();
  EXPECT_NEAR(figure.width(), 3072, 60);
  EXPECT_NEAR(figure.height(), 3072, 60);
  EXPECT_EQ(wordsWithoutInk(), QStringList());
  ASSERT_NE(app.printWait().window(), nullptr);
  EXPECT_FALSE(app.printWait().window()->isVisible());
}

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
  expectDialogs();
  print();  // the watchdog closes the dialog: a cancel
  EXPECT_EQ(dialogs, QStringList{"Page Setup"});
  EXPECT_FALSE(QFile::exists(pdf()));
  EXPECT_EQ(app.model().state.printCancelled, 0);
}

TEST_F(PrintTest, FailingPrinterShowsOneErrorBox) {
  expectDialogs();
  app.printer().setOutputFileName("/nonexistent-folder/page.pdf");
  answer = [](QWidget* modal) {
    if (qobject_cast<QPrintDialog*>(modal)) {
      static_cast<QDialog*>(modal)->accept();
    } else {
      modal->close();
    }
  };
  print();
  EXPECT_EQ(dialogs,
            (QStringList{"Page Setup", "Error|Error Found \n\nError Number 482\n\nPrinter error"}));
  EXPECT_TRUE(app.widget().isVisible());
}

TEST_F(PrintTest, ClosingEndsTheHiddenPrintWaitWindowToo) {
  expectDialogs();
  answer = accept;
  print();
  QPointer<GraphicWindow> graphic = app.printWait().window();
  ASSERT_TRUE(graphic);
  app.widget().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(graphic.isNull());
}

using HelpAboutTest = PrintTest;

TEST_F(HelpAboutTest, HelpWindowShowsTheHelpFile) {
  app.model().state.programFolder = ANGLEWISE_BUILD_DIR "/";
  auto help = app.loadHelpWindow();
  EXPECT_TRUE(dialogs.isEmpty());
  EXPECT_EQ(help->windowTitle(), "Help Contents");
  EXPECT_TRUE(help->textBox()->isReadOnly());
  EXPECT_TRUE(help->textBox()->toPlainText().contains("Solving an oblique triangle"));
}

TEST_F(HelpAboutTest, MissingHelpFileGivesOneMessageAndAnEmptyWindow) {
  expectDialogs();
  auto help = app.loadHelpWindow();  // neither folder holds the file
  EXPECT_EQ(dialogs, QStringList{"File not found |Invalid Help File !\n\nHelp file should be in "
                                 "the folder Oakdale. "});
  EXPECT_TRUE(help->textBox()->toPlainText().isEmpty());
}

// A FIFO or a folder in the help file's place is no help file: opening it
// must not wait for a writer that never comes.
TEST_F(HelpAboutTest, HelpFileThatIsNoRegularFileIsNotFound) {
  expectDialogs();
  for (const char* kind : {"fifo", "folder"}) {
    QTemporaryDir program;
    QString path = program.path() + "/helpanglewise.rtf";
    ASSERT_TRUE(kind == std::string("fifo") ? ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0
                                            : QDir().mkdir(path));
    dialogs.clear();
    app.model().state.programFolder = program.path().toStdString() + "/";
    auto help = app.loadHelpWindow();
    EXPECT_EQ(dialogs.size(), 1) << kind;
    EXPECT_TRUE(dialogs.value(0).startsWith("File not found |")) << kind;
  }
}

// One paragraph of a megabyte, runs of bold and italic or one long word:
// shown whole, in time linear in its length (the benchmark measures it).
TEST_F(HelpAboutTest, MegabyteParagraphsAreShownWhole) {
  std::string runs = "{\\rtf1\\ansi ", word = runs;
  for (int i = 0; runs.size() < (1 << 20); ++i) runs += i % 2 ? "\\b bold\\b0 " : "\\i italic\\i0 ";
  word += std::string(1 << 20, 'w');
  for (const std::string& rtf : {runs + "}", word + "}"}) {
    std::optional<RichDocument> doc = readRtf(rtf);
    ASSERT_TRUE(doc);
    QTextDocument shown;
    EXPECT_TRUE(fillTextDocument(*doc, shown));
    QString text = shown.toPlainText().remove(QChar(0x200B));
    EXPECT_EQ(text.toStdString(), doc->plainText());
  }
}

TEST_F(HelpAboutTest, DocumentBeyondTheBudgetIsCutWithANote) {
  std::optional<RichDocument> doc = readRtf("{\\rtf1 first\\par second paragraph\\par third\\par}");
  ASSERT_TRUE(doc);
  QTextDocument shown;
  EXPECT_FALSE(fillTextDocument(*doc, shown, 2 * (kParagraphCost + kRunCost) + 5 + 8));
  EXPECT_EQ(shown.toPlainText(), "first\nsecond p\n" + kCutNote);
  EXPECT_TRUE(shown.lastBlock().begin().fragment().charFormat().fontItalic());
}

TEST_F(HelpAboutTest, SystemInfoEnlargesTheAboutBoxOnce) {
  LinuxSystemInformation info;
  AboutWindow about(&app.widget(), info);
  about.show();
  EXPECT_EQ(about.windowTitle(), "About Anglewise");
  QPushButton* sysInfo = about.sysInfoButton();
  EXPECT_EQ(sysInfo->text(), "&System Info...");
  int top = about.frameGeometry().y();
  QTest::mouseClick(sysInfo, Qt::LeftButton);
  EXPECT_FALSE(sysInfo->isEnabled());
  EXPECT_GT(about.list()->count(), 7);
  EXPECT_TRUE(about.list()->item(0)->text().startsWith("OS Caption: "));
  EXPECT_NEAR(about.frameGeometry().y(), top - 100, 1);  // 1500 twips at 96 dpi
  EXPECT_TRUE(about.geometry().contains(about.list()->geometry().translated(about.pos())) ||
              about.height() >= about.list()->geometry().bottom());
  about.accept();
  EXPECT_EQ(about.list()->count(), 0);
  EXPECT_TRUE(about.model().SYSlist.empty());
}

}  // namespace
}  // namespace anglewise
