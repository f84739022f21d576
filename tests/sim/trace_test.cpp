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

TEST(Trace, ShowsEachArgumentKindAndTheResultsAndWrites) {
    RecordedCall call;
    call.hash = 0x8E04FEDD28D42462u;
    RecordedArg value;
    value.slot = 0xFFFFFFFFu;
    RecordedArg text;
    text.kind = RecordedArg::Kind::Text;
    text.text = "LITERAL_STRING";
    RecordedArg out;
    out.kind = RecordedArg::Kind::Out;
    out.outSlots = 3;
    RecordedArg block;
    block.kind = RecordedArg::Kind::Block;
    block.block = {text, value};
    call.args = {value, text, out, block};
    call.results = {1};
    call.writes = {{2, 3, 4}};
    EXPECT_EQ(TraceCall(call),
              "{\"hash\":\"0x8E04FEDD28D42462\",\"args\":[\"0x00000000FFFFFFFF\",{\"text\":\"LITERAL_STRING\"},"
              "{\"out\":3},{\"block\":[{\"text\":\"LITERAL_STRING\"},\"0x00000000FFFFFFFF\"]}],"
              "\"results\":[\"0x0000000000000001\"],\"writes\":[[\"0x0000000000000002\",\"0x0000000000000003\","
              "\"0x0000000000000004\"]]}");
    EXPECT_EQ(TraceFrame(3, 4294967295u), "{\"frame\":3,\"tick\":4294967295}");
}

}  // namespace
}  // namespace sim
