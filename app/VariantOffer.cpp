#include "app/VariantOffer.h"

#include <QString>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/FileIo.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/records/DbType.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = ExchangeDialogTexts;

namespace {
QString U(const char* text) { return Texts::U(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

VariantOffer::VariantOffer(const CQuelmarDoc& doc, QWidget& window) : doc_(doc), window_(window) {}

std::optional<int> VariantOffer::Offer(const std::uint8_t* image) {
  const int inForce = doc_.GetDbType();
  const variant::Detection d = variant::Detect(image, inForce);
  if (!d.Mismatch()) return std::nullopt;
  const QString current = U(dbtype::kNames[inForce]);
  const int suggestion = d.Suggestion();
  if (suggestion < 0) {
    Prompt::Message(&window_, U(T::kOtherVariants).arg(current, U(variant::TypeNames(d.candidates))),
                    QMessageBox::Ok, QMessageBox::Information);
    return std::nullopt;
  }
  if (Prompt::Message(&window_, U(T::kOtherVariant).arg(current, U(dbtype::kNames[suggestion])),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes) != QMessageBox::Yes)
    return std::nullopt;
  return suggestion;
}

std::optional<int> VariantOffer::OfferForFile(const std::string& nativePath) {
  std::vector<std::uint8_t> image;
  if (!fileio::ReadPrefix(nativePath, DatabaseImage::kImageSize, image).ok ||
      image.size() < DatabaseImage::kImageSize)
    return std::nullopt;
  return Offer(image.data());
}
