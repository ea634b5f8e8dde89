// SPDX-License-Identifier: MIT
// Runs the behaviour suite against the in-memory controls.
#include "contract_suite.h"
#include "memoryharness.h"

using namespace kestrin;

KESTRIN_INSTANTIATE_CONTRACT(Memory, [] { return std::unique_ptr<FormHarness>(new MemoryHarness); });

TEST(MemoryForm, DesignTableIsIndexedByControl)
{
    for (int i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(int(design(Control(i)).id), i) << design(Control(i)).name;
        EXPECT_EQ(controlByName(QString::fromLatin1(design(Control(i)).name)), Control(i));
    }
    EXPECT_FALSE(controlByName(u"NoSuchControl").has_value());
}
