// Whole conversations of the asynchronous TCP link: the tool's read requests, some of
// which give up, and whatever the device sends back, cut into pieces of any size. No
// frame may answer any request but the one in flight, a late reply to a request that
// gave up is never taken, and a read counts as answered only with a pair for every
// register asked and none for another.
#include "link/AsyncFrame.h"
#include "link/AsyncFrameParser.h"
#include "link/AsyncReplyMatcher.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::size_t piece = 1u + data[0] % 64;
    const std::uint8_t plan = data[1];
    std::span<const std::uint8_t> stream(data + 2, size - 2);

    AsyncReplyMatcher matcher;
    std::uint16_t sequence = 0;
    bool inFlight = false;
    std::vector<std::uint16_t> asked;
    std::set<std::uint16_t> gaveUp;
    const auto start = [&] {
        asked.clear();
        const auto count = static_cast<std::uint16_t>(1 + (plan >> 4) % 8);
        for (std::uint16_t r = 0; r < count; ++r)
            asked.push_back(static_cast<std::uint16_t>(500 + sequence + r));
        matcher.begin(sequence);
        inFlight = true;
    };

    AsyncFrameParser parser([&](std::span<const std::uint8_t> payload) {
        const std::uint16_t got = asyncframe::payloadSequence(payload);
        switch (matcher.classify(payload)) {
        case AsyncReplyMatcher::Verdict::Reply: {
            if (!inFlight || got != sequence || gaveUp.count(got) != 0)
                std::abort();
            std::vector<std::uint16_t> values;
            if (checkReadReply(payload, asked, &values).fault == LinkFault::None) {
                const auto pairs = asyncframe::registerDataPairs(payload);
                if (values.size() != asked.size())
                    std::abort();
                for (const auto& p : pairs) {
                    if (std::find(asked.begin(), asked.end(), p.reg) == asked.end())
                        std::abort();
                }
            }
            matcher.end();
            inFlight = false;
            ++sequence;
            start();
            break;
        }
        case AsyncReplyMatcher::Verdict::Late:
            if (gaveUp.count(got) == 0)
                std::abort();
            break;
        case AsyncReplyMatcher::Verdict::Other:
            if (inFlight && got == sequence)
                std::abort();
            break;
        }
    });

    start();
    for (std::size_t at = 0, round = 0; at < stream.size(); at += piece, ++round) {
        parser.feed(stream.subspan(at, std::min(piece, stream.size() - at)));
        // Now and then the request in flight gives up and the next one goes out.
        if (inFlight && ((plan >> (round % 4)) & 1) != 0 && round % 3 == 2) {
            gaveUp.insert(sequence);
            matcher.abandon();
            inFlight = false;
            ++sequence;
            start();
        }
    }
    return 0;
}
