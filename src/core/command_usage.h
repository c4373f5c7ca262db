// How every program of the project answers its command line: -h or --help
// prints the usage on stdout and ends with status 0; an option the program
// does not know, or a value it cannot use, is refused on stderr with the
// usage line and status 2. Header only, so that the small tools that link
// nothing of the core use it too.
#pragma once

#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace cv {

inline constexpr int kWrongUsageStatus = 2;

// Says why the command line is wrong, then how to call the program (the
// usage up to its first blank line).
inline int RefuseUsage(std::string_view program, std::string_view reason, std::string_view usage) {
  const std::string_view synopsis = usage.substr(0, usage.find("\n\n"));
  std::fprintf(stderr, "%.*s: %.*s\n%.*s\n", static_cast<int>(program.size()), program.data(),
               static_cast<int>(reason.size()), reason.data(), static_cast<int>(synopsis.size()),
               synopsis.data());
  return kWrongUsageStatus;
}

inline bool AsksForHelp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "-h" || std::string_view(argv[i]) == "--help") return true;
  return false;
}

// The status to end with when the arguments ask for help or hold an
// argument beginning with "-" that is none of options (a value given after
// an option is not looked at); nullopt when the program goes on.
inline std::optional<int> AnswerHelpOrBadOption(
    int argc, char** argv, std::string_view program, std::string_view usage,
    std::initializer_list<std::string_view> options = {}) {
  if (AsksForHelp(argc, argv)) {
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    bool known = false;
    for (std::string_view option : options) known = known || arg == option;
    if (arg.size() > 1 && arg[0] == '-' && !known)
      return RefuseUsage(program, "unknown option " + std::string(arg), usage);
  }
  return std::nullopt;
}

// As above for a program that takes only plain arguments, from least to
// most of them.
inline std::optional<int> AnswerPlainArguments(int argc, char** argv, std::string_view program,
                                               std::string_view usage, int least, int most) {
  if (auto status = AnswerHelpOrBadOption(argc, argv, program, usage)) return status;
  if (argc - 1 < least || argc - 1 > most)
    return RefuseUsage(program, "wrong number of arguments", usage);
  return std::nullopt;
}

// A count given on the command line (runs, nodes): a whole number of at
// least 1, nothing else.
inline std::optional<int> CountArgument(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

}  // namespace cv
