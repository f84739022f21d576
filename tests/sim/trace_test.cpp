// The trace's own values, written alike on every platform; how calls are laid out is pinned by
// every scenario's trace.

#include "trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sim {
namespace {

TEST(Trace, WritesFloatsTheSameOnEveryPlatform) {
    struct Case {
        float value;
        const char* json;
    } cases[] = {
        {25.0f, "25.0"},      {12.5f, "12.5"},       {0.0f, "0.0"},           {-3.0f, "-3.0"},  {0.1f, "0.1"},
        {3.4e38f, "3.4e+38"}, {INFINITY, "\"inf\""}, {-INFINITY, "\"-inf\""}, {NAN, "\"nan\""},
    };
    for (const Case& c : cases) EXPECT_EQ(JsonFloat(c.value), c.json);
}

TEST(Trace, EscapesTextSoAnyBytesStayValidJson) {
    EXPECT_EQ(JsonString("Taunt"), "\"Taunt\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("tab\there\n"), "\"tab\\u0009here\\u000A\"");
    EXPECT_EQ(JsonString("caf\xC3\xA9"), "\"caf\\u00C3\\u00A9\"");
}

}  // namespace
}  // namespace sim
