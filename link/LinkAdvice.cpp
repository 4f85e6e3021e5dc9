#include "link/LinkAdvice.h"

#include "link/LinkTexts.h"

namespace linkadvice {

std::string WithAdvice(const std::string& message) {
  // After about a minute of silence the user needs to know where to look.
  if (message == LinkTexts::kNoResponse) return message + '\n' + LinkTexts::kNoResponseAdvice;
  return message;
}

}  // namespace linkadvice
