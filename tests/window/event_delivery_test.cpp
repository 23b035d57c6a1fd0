#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>

#include "window/event_delivery.h"

namespace quorvane {
namespace {

int clicks = 0;
int creations = 0;
void CountClick() { ++clicks; }
void CountCreation() { ++creations; }

const EventBinding kBindings[] = {{EventKind::kClicked, CountClick}, {EventKind::kCreated, CountCreation}};

class EventDeliveryTest : public testing::Test {
 protected:
  void SetUp() override {
    clicks = 0;
    creations = 0;
    ReleaseEvents();
  }
  void TearDown() override { ReleaseEvents(); }
};

TEST_F(EventDeliveryTest, ABoundEventCallsItsRoutineAtOnce) {
  RaiseEvent(kBindings, std::size(kBindings), EventKind::kClicked);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(creations, 0);
  RaiseEvent(kBindings, std::size(kBindings), EventKind::kCreated);
  EXPECT_EQ(creations, 1);
}

TEST_F(EventDeliveryTest, AnUnboundEventPassesWithoutTrace) {
  RaiseEvent(kBindings, 1, EventKind::kCreated);
  RaiseEvent(nullptr, 0, EventKind::kClicked);
  EXPECT_EQ(clicks + creations, 0);
}

TEST_F(EventDeliveryTest, HeldBackEventsReachNoRoutineAndAreNotReplayed) {
  HoldEvents();
  EXPECT_TRUE(EventsHeldBack());
  RaiseEvent(kBindings, std::size(kBindings), EventKind::kClicked);
  ReleaseEvents();
  EXPECT_FALSE(EventsHeldBack());
  EXPECT_EQ(clicks, 0);
  RaiseEvent(kBindings, std::size(kBindings), EventKind::kClicked);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace quorvane
