#include "bench/bench_deep.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "sizing/program_state.h"
#include "sizing/tables.h"

namespace bench {

namespace {

class KeptMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override {
    texts += message.text + "\n";
    return cv::MessageAnswer::Ok;
  }
  std::string texts;
};

pugi::xml_node AddRun(pugi::xml_node parent, const std::string& id, const char* kind,
                      const std::string& load, const std::string& length,
                      const char* material = "CORVANTA") {
  pugi::xml_node node = cv::AppendNewSystemNode(parent, id);
  cv::SetFieldText(node, "description", std::string(kind) + " " + id);
  cv::SetFieldText(node, "appliance", kind);
  cv::SetFieldText(node, "load", load);
  cv::SetFieldText(node, "length", length);
  cv::SetFieldText(node, "material", material);
  return node;
}

void Chain(pugi::xml_document& doc, int depth, bool tees) {
  pugi::xml_node parent = cv::ProjectRoot(doc);
  for (int i = 1; i <= depth; ++i) {
    const std::string id = std::to_string(i);
    if (tees) {
      parent = AddRun(parent, id, "Tee", "0", "10");
      AddRun(parent, "L" + id, "Lamp", "2.5", "10");
    } else {
      parent = AddRun(parent, id, "Other", "50", "10");
    }
  }
}

// A spine 40 runs deep of tees and appliances, with short branches.
void RandomTree(pugi::xml_document& doc, unsigned start) {
  std::mt19937 random(start);
  const char* kinds[] = {"Tee", "Tee", "Furnace", "Range", "Lamp"};
  const auto number = [&](int range, double scale) {
    return cv::FormatNumber(static_cast<double>(random() % range) * scale);
  };
  pugi::xml_node spine = cv::ProjectRoot(doc);
  int count = 0;
  for (int depth = 0; depth < 40; ++depth) {
    const char* material = random() % 4 ? "CORVANTA" : "Pipe";
    spine = AddRun(spine, std::to_string(++count), kinds[random() % 5], number(40, 1),
                   number(40, 1), material);
    if (random() % 30 == 0) {
      cv::SetFieldText(spine, "materialSize", cv::SizeNameAt(4, material));
      cv::SetFieldText(spine, "materialSizeFixed", "1");
    }
    for (pugi::xml_node branch = spine; random() % 3;)
      branch = AddRun(branch, std::to_string(++count), "Lamp", number(20, 1), number(30, 1));
  }
}

void SetSupply(pugi::xml_document& doc, const char* pressure, const char* drop) {
  pugi::xml_node root = cv::ProjectRoot(doc);
  cv::SetRootAttributeText(root, 4, pressure);
  cv::SetRootAttributeText(root, 6, drop);
  cv::SetFieldText(root, "calculationType", "User Defined Method");
}

struct Result {
  std::string text;  // the calculated document and the messages shown
  bool failed = false;
};

Result Calculate(const pugi::xml_document& original, const std::string& catalog, bool plain) {
  pugi::xml_document doc;
  doc.reset(original);
  cv::EFVCatalog efvs;
  efvs.Load(catalog);
  KeptMessages messages;
  cv::CalcOptions options;
  options.messages = &messages;
  options.visitEveryState = plain;
  const cv::CalcResult result = cv::Calculate(doc, efvs, options);
  return {cv::SerializeDocument(doc) + messages.texts, !result.failures.empty()};
}

// Visiting state by state in a child process; nothing when it does not end
// within the time.
std::optional<std::string> PlainVisiting(const pugi::xml_document& doc, const std::string& catalog,
                                         int seconds) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const std::string text = Calculate(doc, catalog, true).text;
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = write(pipeEnds[1], text.data() + done, text.size() - done);
      if (n <= 0) _exit(1);
      done += static_cast<size_t>(n);
    }
    _exit(0);
  }
  close(pipeEnds[1]);
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  bool ended = false;
  while (!ended) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd wait{pipeEnds[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[65536];
    const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
    if (n > 0) text.append(buffer, static_cast<size_t>(n));
    ended = n <= 0;
  }
  close(pipeEnds[0]);
  if (!ended) kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  if (!ended) return std::nullopt;
  return text;
}

void Report(const std::string& name, const pugi::xml_document& doc, const std::string& catalog,
            int plainSeconds) {
  Result fast;
  const Timing t = Median(5, [&] { fast = Calculate(doc, catalog, false); });
  const std::optional<std::string> plain = PlainVisiting(doc, catalog, plainSeconds);
  const char* comparison = !plain                ? "plain visiting did not end in time"
                           : *plain == fast.text ? "identical to plain visiting"
                                                 : "DIFFERS FROM PLAIN VISITING";
  std::printf("%-46s %7.2f ms (cpu %7.2f)  %-14s %s\n", name.c_str(), t.wall, t.cpu,
              fast.failed ? "sizing failure" : "sized", comparison);
}

}  // namespace

void DeepNetworks(const std::string& catalog, int plainSeconds) {
  std::printf("deep networks (calculation, median of 5; plain visiting limited to %d s)\n",
              plainSeconds);
  for (bool tees : {false, true}) {
    pugi::xml_document doc;
    cv::BuildNewProject(doc);
    Chain(doc, tees ? 300 : 60, tees);
    Report(tees ? "300 tees in a row, each feeding a lamp" : "60 appliances in a row (50, 10 ft)",
           doc, catalog, plainSeconds);
    SetSupply(doc, "20", "10");
    Report(tees ? "  the same at 20 mb, 10 mb drop" : "  the same at 20 mb, 10 mb drop", doc,
           catalog, plainSeconds);
  }
  for (unsigned start = 1; start <= 10; ++start) {
    pugi::xml_document doc;
    cv::BuildNewProject(doc);
    RandomTree(doc, start);
    if (start % 2 == 0) SetSupply(doc, "40", "20");
    Report("random tree 40 deep, start value " + std::to_string(start), doc, catalog, plainSeconds);
  }
}

}  // namespace bench
