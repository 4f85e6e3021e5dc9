#pragma once
// An engine's message as a person reads it: a message that leaves the user guessing gets
// the lines that say what to check below it; the message itself comes first, unchanged.
#include <string>

namespace linkadvice {

std::string WithAdvice(const std::string& message);

}  // namespace linkadvice
