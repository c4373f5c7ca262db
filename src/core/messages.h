// Messages the core shows the user go through this interface: the window
// program shows a box, the command-line tool prints, tests record.
#pragma once

#include <string>

namespace cv {

inline constexpr const char* kProgramTitle = "CORVANTA Sizing Program";

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Critical, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string title;  // empty: the program's title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;

  const std::string& EffectiveTitle() const;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message modally and returns the button pressed.
  virtual MessageAnswer Show(const Message& message) = 0;
};

}  // namespace cv
