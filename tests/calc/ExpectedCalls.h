#pragma once
#include "tests/calc/CRecordingCalcLibrary.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

// Expected argument lists of calls recorded by the library fake.

// One expected argument: an integer, a real (compared as the float or double the library takes)
// or an output.
struct A
{
    RecordedArg::Kind Kind;
    double Value;
};
inline A I(int value)
{
    return {RecordedArg::Int, static_cast<double>(value)};
}
inline A F(double value)
{
    return {RecordedArg::Real, static_cast<double>(static_cast<float>(value))};
}
inline A D(double value)
{
    return {RecordedArg::Real, value};
}
inline const A OUT{RecordedArg::Output, 0};

using Args = std::vector<A>;
inline Args Cat(std::initializer_list<Args> parts)
{
    Args all;
    for (const Args& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct ExpectedCall
{
    QString Name;
    Args Arguments;
};

// The call's name, argument kinds and, for numbers, values.
inline void ExpectCall(const RecordedCall& call, const ExpectedCall& want)
{
    SCOPED_TRACE(call.Text().toStdString());
    ASSERT_EQ(call.Name, want.Name);
    ASSERT_EQ(call.Args.size(), want.Arguments.size());
    for (size_t a = 0; a < want.Arguments.size(); ++a) {
        EXPECT_EQ(call.Args[a].Type, want.Arguments[a].Kind) << "argument " << a + 1;
        if (want.Arguments[a].Kind == RecordedArg::Int || want.Arguments[a].Kind == RecordedArg::Real) {
            EXPECT_DOUBLE_EQ(call.Args[a].Value, want.Arguments[a].Value) << "argument " << a + 1;
        }
    }
}
