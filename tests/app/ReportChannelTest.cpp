// Reports from a worker thread reach the dialog on the UI thread in order, and Unblock
// always frees a worker that waits for the UI thread.
#include <QApplication>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "AppTestSupport.h"
#include "link/LinkTexts.h"
#include "ui/transfer/TransferControls.h"
#include "ui/transfer/UiReportChannel.h"

using testkit::PumpUntil;
using Field = TransferObserver::Field;

namespace {

struct Recorder : TransferControls {
  void ShowText(Field, const QString& text) override {
    onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
    texts << text;
  }
  void SetProgressRange(int, int high) override { texts << QStringLiteral("range %1").arg(high); }
  void SetProgressPos(int pos) override { texts << QStringLiteral("pos %1").arg(pos); }
  QStringList texts;
  bool onUiThread = true;
};

}  // namespace

TEST(UiReportChannel, DeliversInOrderOnTheUiThreadAndWaitsForMessages) {
  Prompt::Reset();
  QWidget dialog;
  Recorder rec;
  UiReportChannel channel(&dialog, rec);
  std::atomic<bool> done{false};
  std::thread worker([&] {
    channel.SetProgressRange(0, 450);
    for (int i = 0; i < 200; ++i) {
      channel.SetText(Field::Retry, std::to_string(i));
      if (i % 50 == 0) channel.SetProgressPos(i);
    }
    channel.ShowMessage("Download Fail.");
    done = true;
  });
  ASSERT_TRUE(PumpUntil([&] { return done.load(); }, std::chrono::seconds(10)));
  worker.join();
  ASSERT_EQ(rec.texts.size(), 1 + 200 + 4);
  EXPECT_EQ(rec.texts.front(), QStringLiteral("range 450"));
  EXPECT_EQ(rec.texts[1], QStringLiteral("0"));
  EXPECT_EQ(rec.texts[2], QStringLiteral("pos 0"));
  EXPECT_EQ(rec.texts.back(), QStringLiteral("199"));
  EXPECT_TRUE(rec.onUiThread);
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Download Fail."});
}

TEST(UiReportChannel, UnblockReleasesAWaitingWorkerAndDropsItsReport) {
  QWidget dialog;
  Recorder rec;
  auto channel = std::make_unique<UiReportChannel>(&dialog, rec);
  std::atomic<int> returned{0};
  std::thread worker([&] {
    channel->SetText(Field::Status, "first");  // nobody pumps events: it waits
    ++returned;
    channel->ShowMessage("never shown");       // after Unblock: returns at once
    ++returned;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(returned.load(), 0);
  channel->Unblock();
  worker.join();
  EXPECT_EQ(returned.load(), 2);
  // The queued report must not reach the dialog, now or after the channel is gone.
  QCoreApplication::processEvents();
  channel.reset();
  QCoreApplication::processEvents();
  EXPECT_TRUE(rec.texts.isEmpty());
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST(UiReportChannel, CallsFromTheUiThreadActDirectly) {
  QWidget dialog;
  Recorder rec;
  UiReportChannel channel(&dialog, rec);
  channel.Unblock();  // as after Cancel: the final report still shows
  channel.SetText(Field::Status, "Download end successfully.");
  channel.ShowMessage("Download end successfully.");
  EXPECT_EQ(rec.texts, QStringList{"Download end successfully."});
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Download end successfully."});
}

TEST(UiReportChannel, NoResponseShowsWhatToCheckBelowIt) {
  Prompt::Reset();
  QWidget dialog;
  Recorder rec;
  UiReportChannel channel(&dialog, rec);
  channel.ShowMessage(LinkTexts::kNoResponse);
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("%1\n%2").arg(QString::fromLatin1(LinkTexts::kNoResponse),
                                                                              QString::fromLatin1(LinkTexts::kNoResponseAdvice))});
}
