#include "app/OpenFindings.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "app/AppTexts.h"
#include "db/document/FileIo.h"
#include "db/exchange/DatabaseCheck.h"
#include "db/image/DatabaseImage.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace OpenFindings {

bool Accepted(QWidget* parent, const std::string& nativePath, int dbType) {
  std::vector<std::uint8_t> image;
  fileio::FileStamp stamp;
  if (!fileio::ReadPrefix(nativePath, DatabaseImage::kImageSize, image, &stamp).ok ||
      image.size() < DatabaseImage::kImageSize)
    return true;
  const std::vector<Problem> findings =
      dbcheck::OpenFindings(image.data(), static_cast<std::uint64_t>(stamp.size), dbType);
  if (findings.empty()) return true;
  QStringList lines;
  for (const Problem& p : findings) lines << CoreMessages::Said(p.message);
  const QString name =
      QFile::decodeName(QByteArray::fromStdString(std::filesystem::path(nativePath).filename().string()));
  return Prompt::Message(parent, Texts::Q(AppTexts::kOpenFindings).arg(name, lines.join(QLatin1Char('\n'))),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning,
                         QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace OpenFindings
