#include "core/messages.h"

namespace cv {

const std::string& Message::EffectiveTitle() const {
  static const std::string programTitle = kProgramTitle;
  return title.empty() ? programTitle : title;
}

}  // namespace cv
