#pragma once

#include "framework/Random.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

// A generator that answers from a script of expected draws. A draw with a
// range other than the script's next one, or past the script's end, fails the
// test loudly. Ranges listed as free (such as the counters' tints) are answered
// with their lower bound and never consume the script.
class ScriptedRandom : public fw::Random {
public:
    struct Draw {
        int lo;
        int hi;
        int value;
    };

    ScriptedRandom() : fw::Random(1) {}

    ScriptedRandom& expect(int lo, int hi, int value)
    {
        script_.push_back({lo, hi, value});
        return *this;
    }
    ScriptedRandom& allowFree(int lo, int hi)
    {
        free_.push_back({lo, hi, lo});
        return *this;
    }
    [[nodiscard]] std::size_t remaining() const { return script_.size(); }

    int InRange(int lo, int hi) override
    {
        for (const Draw& f : free_)
            if (f.lo == lo && f.hi == hi)
                return lo;
        if (script_.empty())
            throw std::logic_error("unexpected draw InRange(" + std::to_string(lo) + ", " +
                                   std::to_string(hi) + "): the script has run out");
        const Draw next = script_.front();
        if (next.lo != lo || next.hi != hi)
            throw std::logic_error("draw InRange(" + std::to_string(lo) + ", " +
                                   std::to_string(hi) + ") where the script expects InRange(" +
                                   std::to_string(next.lo) + ", " + std::to_string(next.hi) + ")");
        script_.pop_front();
        return next.value;
    }

private:
    std::deque<Draw> script_;
    std::vector<Draw> free_;
};

} // namespace testsupport
