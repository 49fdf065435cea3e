#pragma once
// The random-event explorer of `qav run --headless --random-events N`: N user actions, each
// chosen at random among what a user could do at that moment, written as the run's own event
// texts ("click:Name", "type:Name:keys", ...), and a random answer for every dialog. The same
// seed plays the same run.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace qav {
class HeadlessPlatform;
class Hub;
}  // namespace qav

namespace qav::tool {

// One thing a user could do now: an event text without its choice, and how many entries or
// tabs there are to pick from (0 when none is picked).
struct Possible {
  std::string event;
  int choices = 0;
};

// What a user could do at this moment: click the labels, buttons, check boxes and radio
// buttons, pick entries, switch tabs and type into the fields that are visible and enabled on
// a shown window (typing not where a field is read only), activate or close a shown window
// other than the main one, and use the menu entries other than quitting; while a window waits
// modally, only what lies on that window.
std::vector<Possible> possibleActions(Hub& hub, const HeadlessPlatform& platform);

class Explorer {
 public:
  Explorer(long events, uint32_t seed) : left_(events), rng_(seed) {}

  // The next random event, queuing random answers for the dialogs it may raise; nothing when
  // all are spent. An empty text: no user could do anything now, and the turn is spent.
  std::optional<std::string> next(Hub& hub, HeadlessPlatform& platform);

 private:
  int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::string keys();
  std::string answer();

  long left_;
  std::mt19937 rng_;
};

}  // namespace qav::tool
