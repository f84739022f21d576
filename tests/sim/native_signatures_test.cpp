// The simulated game's signature table, which every call of the plug-in is held to, agrees with the
// native database: the same public name for each hash, as many argument slots, floats where the
// database has floats, and the result slots its return type fills.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "natives.h"
#include "sim_support.h"

namespace sim {
namespace {

struct DatabaseRow {
    std::uint64_t hash;
    std::string name;                 // without its namespace
    std::vector<std::string> params;  // each parameter's type
    bool variadic = false;
    std::string returns;
};

std::vector<DatabaseRow> ReadDatabase() {
    std::vector<DatabaseRow> rows;
    std::istringstream lines(test::ReadSourceFile("tests/sim/native_database.tsv"));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("#") || line.starts_with("hash")) continue;
        std::istringstream fields(line);
        std::string hash, name, params;
        DatabaseRow row;
        std::getline(fields, hash, '\t');
        std::getline(fields, name, '\t');
        std::getline(fields, params, '\t');
        std::getline(fields, row.returns, '\t');
        row.hash = std::stoull(hash, nullptr, 16);
        row.name = name.substr(name.find("::") + 2);
        std::istringstream each(params.substr(1, params.size() - 2));
        for (std::string param; std::getline(each, param, ',');) {
            param = param.substr(param.find_first_not_of(' '));
            if (param == "...") {
                row.variadic = true;
            } else {
                row.params.push_back(param.substr(0, param.rfind(' ')));
            }
        }
        rows.push_back(row);
    }
    return rows;
}

int ResultSlots(const std::string& returns) { return returns == "void" ? 0 : returns == "Vector3" ? 3 : 1; }

TEST(NativeSignatures, AgreeWithTheNativeDatabase) {
    const std::vector<DatabaseRow> database = ReadDatabase();
    ASSERT_GE(database.size(), 70u);
    int checked = 0;
    for (const DatabaseRow& row : database) {
        const NativeDef* def = FindNative(row.hash);
        if (def == nullptr) continue;  // in the database ahead of the plug-in's use
        ++checked;
        const std::string params = def->params;
        EXPECT_EQ(def->name, row.name) << row.name;
        if (row.variadic) {
            EXPECT_GE(params.size(), row.params.size()) << row.name;
        } else {
            ASSERT_EQ(params.size(), row.params.size()) << row.name;
        }
        for (std::size_t i = 0; i < row.params.size(); ++i) {
            EXPECT_EQ(params[i] == 'f', row.params[i] == "float") << row.name << " argument " << i;
        }
        // A result the plug-in never reads may be left out; one it reads fills what the type says.
        EXPECT_TRUE(def->resultSlots == 0 || def->resultSlots == ResultSlots(row.returns)) << row.name;
    }
    EXPECT_GE(checked, 71);
}

}  // namespace
}  // namespace sim
