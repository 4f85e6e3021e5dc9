// The transfer dialogs against the simulated receiver on a pseudo-terminal.
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>

#include "AppTestSupport.h"
#include "db/image/DatabaseImage.h"
#include "support/Stbsim.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"

using testkit::PumpUntil;
using Field = TransferObserver::Field;

namespace {

// stbsim's arguments for one dialog run: quiet, and patient enough for a slow machine.
std::vector<std::string> SimArgs(const QStringList& args) {
  std::vector<std::string> out;
  for (const QString& a : args) out.push_back(QFile::encodeName(a).toStdString());
  out.insert(out.end(), {"--quiet", "--timeout", "120"});
  return out;
}

QString Text(QLabel* label) { return label ? label->text() : QString(); }

}  // namespace

class TransferDialogTest : public apptest::WindowTest {
 protected:
  // Starts the window with its link on `device`.
  CMainFrame& StartOn(const QString& device) {
    CMainFrame& frame = Start();
    AppSettings s = app_->Settings();
    s.link.comPortIndex = 4;
    s.link.portDevice = device;
    app_->SetSettings(s);
    return frame;
  }
  void LoadSample() {
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    Load(*db);
  }
};

TEST_F(TransferDialogTest, ReceiveThroughTheDialogLoadsTheImage) {
  const QString image = Path("served.qdb");
  apptest::WriteSample(image);
  testkit::Stbsim sim(SimArgs({QStringLiteral("serve"), image}));
  ASSERT_TRUE(sim.Ready());
  CMainFrame& frame = StartOn(QString::fromStdString(sim.Device()));

  QString status, retry;
  int pos = -1, max = -1;
  bool okWasDisabled = false;
  QStringList shown;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CFileRcvDlg&>(d);
    okWasDisabled = !dlg.OkButton()->isEnabled();
    // OK is enabled first; the end's status text and message are the last reports.
    EXPECT_TRUE(PumpUntil([&] {
      shown << Prompt::TakeMessages();
      return dlg.OkButton()->isEnabled() && !shown.isEmpty();
    }));
    status = dlg.StatusLine()->text();
    retry = dlg.RetryField()->text();
    pos = dlg.Progress()->value();
    max = dlg.Progress()->maximum();
    dlg.OkButton()->click();
    return d.result();
  });
  apptest::Trigger(frame, "receiveFromStb");

  EXPECT_TRUE(okWasDisabled);
  EXPECT_EQ(status, QStringLiteral("Download end successfully."));
  EXPECT_EQ(retry, QStringLiteral("0"));
  EXPECT_EQ(max, 450);
  EXPECT_EQ(pos, 449);
  EXPECT_EQ(shown + Prompt::TakeMessages(), QStringList{"Download end successfully."});
  EXPECT_EQ(sim.Wait(), 0);

  // Loaded as from a file, marked modified, title unchanged, a sheet on screen.
  CQuelmarDoc& doc = Doc();
  EXPECT_TRUE(doc.HasData());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_NE(frame.View()->Sheet(), nullptr);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));
  std::vector<std::uint8_t> built(DatabaseImage::kImageSize);
  ASSERT_EQ(doc.BuildImage(built.data()), DatabaseImage::kImageSize);
  const QByteArray served = apptest::ReadAll(image);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(built.data()), int(built.size())), served);

  // A receive that ended modified asks at Exit.
  Prompt::QueueMessageAnswer(QMessageBox::Cancel);
  apptest::Trigger(frame, "appExit");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Save changes to Untitled?"});
}

TEST_F(TransferDialogTest, ReceiveCancelledHalfwayLeavesTheDocumentAlone) {
  const QString image = Path("served.qdb");
  apptest::WriteSample(image);
  testkit::Stbsim sim(SimArgs({QStringLiteral("serve"), image, QStringLiteral("--pace")}));
  ASSERT_TRUE(sim.Ready());
  CMainFrame& frame = StartOn(QString::fromStdString(sim.Device()));

  qint64 closeMs = -1;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CFileRcvDlg&>(d);
    EXPECT_TRUE(PumpUntil([&] { return dlg.Progress()->value() >= 3; }));
    EXPECT_EQ(dlg.StatusLine()->text().left(7), QStringLiteral("STATUS_"));
    EXPECT_FALSE(dlg.OkButton()->isEnabled());
    QElapsedTimer t;
    t.start();
    dlg.CancelButton()->click();
    closeMs = t.elapsed();
    EXPECT_TRUE(dlg.Engine().IsIdle() || !dlg.Engine().Completed());
    return d.result();
  });
  apptest::Trigger(frame, "receiveFromStb");
  EXPECT_GE(closeMs, 0);
  EXPECT_LT(closeMs, 2000);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_FALSE(Doc().HasData());
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(frame.View()->Sheet(), nullptr);
}

TEST_F(TransferDialogTest, SendThroughTheDialogDeliversTheDatabase) {
  const QString out = Path("accepted.img");
  testkit::Stbsim sim(SimArgs({QStringLiteral("accept"), out}));
  ASSERT_TRUE(sim.Ready());
  CMainFrame& frame = StartOn(QString::fromStdString(sim.Device()));
  LoadSample();

  QString total, expected, status, packets, sending, ack, elapsedBefore;
  bool captionWasCancel = false;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CFileSndDlg&>(d);
    total = Text(dlg.Field(Field::Total));
    expected = Text(dlg.Field(Field::Expected));
    elapsedBefore = dlg.ElapsedField()->text();
    captionWasCancel = dlg.CancelButton()->text() == QStringLiteral("Cancel");
    // The caption turns to "OK" just before the clock's last report stops it.
    EXPECT_TRUE(PumpUntil(
        [&] { return dlg.CancelButton()->text() == QStringLiteral("OK") && !dlg.ClockRunning(); }));
    status = Text(dlg.Field(Field::Status));
    packets = Text(dlg.Field(Field::Packets));
    sending = Text(dlg.Field(Field::Sending));
    ack = Text(dlg.Field(Field::Ack));
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Download end successfully."});
    dlg.CancelButton()->click();
    return d.result();
  });
  apptest::Trigger(frame, "sendToStb");

  EXPECT_EQ(total, QStringLiteral("458752"));
  EXPECT_EQ(expected, QStringLiteral("00:57"));
  EXPECT_TRUE(elapsedBefore.isEmpty());  // no tick of the clock yet
  EXPECT_TRUE(captionWasCancel);
  EXPECT_EQ(status, QStringLiteral("Download end successfully."));
  EXPECT_EQ(packets, QStringLiteral("0"));
  EXPECT_EQ(sending, QStringLiteral("0"));
  EXPECT_EQ(ack, QStringLiteral("0xeb"));  // the receiver's TERMINATE_REQ
  // Pressing "OK" closes without another message.
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  ASSERT_EQ(sim.Wait(), 0);

  // What arrived is the document's image behind a fresh link header.
  std::vector<std::uint8_t> built(DatabaseImage::kImageSize);
  ASSERT_EQ(Doc().BuildImage(built.data()), DatabaseImage::kImageSize);
  const QByteArray got = apptest::ReadAll(out);
  ASSERT_EQ(got.size(), int(DatabaseImage::kImageSize));
  EXPECT_EQ(got.mid(64), QByteArray(reinterpret_cast<const char*>(built.data()) + 64,
                                    int(built.size()) - 64));
}

TEST_F(TransferDialogTest, SendCancelledHalfwayClosesPromptly) {
  const QString out = Path("accepted.img");
  testkit::Stbsim sim(SimArgs({QStringLiteral("accept"), out, QStringLiteral("--pace")}));
  ASSERT_TRUE(sim.Ready());
  CMainFrame& frame = StartOn(QString::fromStdString(sim.Device()));
  LoadSample();

  qint64 closeMs = -1;
  QString elapsed;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CFileSndDlg&>(d);
    // Each packet reports the bar, then the bytes sent, then the packet count last.
    EXPECT_TRUE(PumpUntil([&] {
      const int pos = dlg.Progress()->value();
      return pos >= 3 && Text(dlg.Field(Field::Packets)).toInt() == pos;
    }));
    EXPECT_TRUE(dlg.ClockRunning());
    EXPECT_EQ(Text(dlg.Field(Field::Packets)).toInt(), dlg.Progress()->value());
    EXPECT_EQ(Text(dlg.Field(Field::Sending)).toInt(), dlg.Progress()->value() * 1021);
    QElapsedTimer t;
    t.start();
    dlg.CancelButton()->click();
    closeMs = t.elapsed();
    EXPECT_FALSE(dlg.ClockRunning());
    EXPECT_TRUE(dlg.Engine().IsIdle());
    return d.result();
  });
  apptest::Trigger(frame, "sendToStb");
  EXPECT_GE(closeMs, 0);
  EXPECT_LT(closeMs, 2000);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_TRUE(Doc().HasData());
}

TEST_F(TransferDialogTest, SendDialogClockAndIdleFailures) {
  CQuelmarDoc doc;  // nothing loaded: the preparation stops at "No Data"
  LinkSettings s;
  s.comPortIndex = 4;
  s.portDevice = Path("no-such-port");
  CFileSndDlg dlg(s, doc);
  dlg.show();
  const QStringList shown = Prompt::TakeMessages();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[0].section(QLatin1Char('\n'), 0, 0), Path("no-such-port") + QStringLiteral(" Open Error!"));
  EXPECT_EQ(shown[1], QStringLiteral("No Data"));
  EXPECT_TRUE(dlg.Engine().IsIdle());
  EXPECT_TRUE(dlg.ElapsedField()->text().isEmpty());
  EXPECT_TRUE(Text(dlg.Field(Field::Total)).isEmpty());

  // Ticks of other timers are not the clock's; minutes are not wrapped into hours.
  dlg.OnTimer(1);
  EXPECT_TRUE(dlg.ElapsedField()->text().isEmpty());
  for (int i = 0; i < 59; ++i) dlg.OnTimer(CFileSndDlg::kElapsedTimerId);
  EXPECT_EQ(dlg.ElapsedField()->text(), QStringLiteral("00:59"));
  dlg.OnTimer(CFileSndDlg::kElapsedTimerId);
  EXPECT_EQ(dlg.ElapsedField()->text(), QStringLiteral("01:00"));
  for (int i = 60; i < 3665; ++i) dlg.OnTimer(CFileSndDlg::kElapsedTimerId);
  EXPECT_EQ(dlg.ElapsedField()->text(), QStringLiteral("61:05"));

  dlg.CancelButton()->click();
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST_F(TransferDialogTest, DialogsLayoutAndAccessibleNames) {
  CQuelmarDoc doc;
  LinkSettings s;
  CFileRcvDlg rcv(s);  // not shown: no transfer starts
  CFileSndDlg snd(s, doc);
  EXPECT_EQ(rcv.windowTitle(), QStringLiteral("Receive from STB"));
  EXPECT_EQ(snd.windowTitle(), QStringLiteral("Send to STB"));
  QStringList rcvNames, sndNames;
  for (QLabel* l : rcv.findChildren<QLabel*>()) {
    if (l->frameShape() != QFrame::NoFrame) rcvNames << l->accessibleName();
  }
  for (QLabel* l : snd.findChildren<QLabel*>()) {
    if (l->frameShape() != QFrame::NoFrame) sndNames << l->accessibleName();
  }
  EXPECT_EQ(rcvNames, (QStringList{"Status", "Retry"}));
  EXPECT_EQ(sndNames, (QStringList{"Elapsed", "Excepted", "Retry", "Status", "Ack", "Sending",
                                   "Total", "Packets"}));
  EXPECT_EQ(rcv.OkButton()->text(), QStringLiteral("OK"));
  EXPECT_EQ(snd.CancelButton()->text(), QStringLiteral("Cancel"));
  EXPECT_FALSE(rcv.Progress()->accessibleName().isEmpty());
  // Each field sits right of its caption, on its row, and inside the dialog.
  for (QDialog* d : {static_cast<QDialog*>(&rcv), static_cast<QDialog*>(&snd)}) {
    d->layout()->activate();
    for (QLabel* caption : d->findChildren<QLabel*>()) {
      QWidget* field = caption->buddy();
      if (!field) continue;
      SCOPED_TRACE(caption->text().toStdString());
      EXPECT_LT(caption->geometry().right(), field->geometry().left());
      EXPECT_TRUE(caption->geometry().intersects(QRect(0, field->y(), d->width(), field->height())));
    }
    for (QWidget* w : d->findChildren<QWidget*>()) {
      if (w->isWindow()) continue;
      EXPECT_TRUE(d->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
  }
}

// A receiver may hand over less than a whole database: the transfer completes, but OK
// must not put it in the document, and the window says why. (Which images the document
// refuses: Doc.AReceivedImageIsTakenWholeAndValidOnly; one not marked valid, over an open
// database: ReceiveKeepsEditsTest.AReceiveWithoutADatabaseChangesNothingThatIsSaved.)
TEST_F(TransferDialogTest, AnIncompleteReceivedImageIsRefused) {
  const QString full = Path("full.qdb");
  apptest::WriteSample(full);
  QFile f(Path("short.qdb"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(apptest::ReadAll(full).left(64 + 2042));
  f.close();
  testkit::Stbsim sim(SimArgs({QStringLiteral("serve"), f.fileName()}));
  ASSERT_TRUE(sim.Ready());
  CMainFrame& frame = StartOn(QString::fromStdString(sim.Device()));
  QStringList shown;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CFileRcvDlg&>(d);
    EXPECT_TRUE(PumpUntil([&] {
      shown << Prompt::TakeMessages();
      return dlg.OkButton()->isEnabled() && !shown.isEmpty();
    }));
    dlg.OkButton()->click();
    return d.result();
  });
  apptest::Trigger(frame, "receiveFromStb");
  shown << Prompt::TakeMessages();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[0], QStringLiteral("Download end successfully."));
  EXPECT_TRUE(shown[1].contains(QStringLiteral("Nothing was loaded")));
  EXPECT_FALSE(Doc().HasData());
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(frame.View()->Sheet(), nullptr);
}
