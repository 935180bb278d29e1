#include "link/AsyncReplyMatcher.h"

#include <algorithm>

void AsyncReplyMatcher::begin(std::uint16_t sequence)
{
    inFlight_ = true;
    sequence_ = sequence;
}

void AsyncReplyMatcher::abandon()
{
    if (inFlight_)
        abandoned_[abandonedCount_++ % abandoned_.size()] = sequence_;
    inFlight_ = false;
}

void AsyncReplyMatcher::reset()
{
    inFlight_ = false;
    abandonedCount_ = 0;
}

AsyncReplyMatcher::Verdict AsyncReplyMatcher::classify(std::span<const std::uint8_t> payload) const
{
    const std::uint16_t sequence = asyncframe::payloadSequence(payload);
    if (inFlight_ && sequence == sequence_)
        return Verdict::Reply;
    const std::size_t n = std::min(abandonedCount_, abandoned_.size());
    const auto end = abandoned_.begin() + static_cast<std::ptrdiff_t>(n);
    return std::find(abandoned_.begin(), end, sequence) != end ? Verdict::Late : Verdict::Other;
}

LinkError checkReadReply(std::span<const std::uint8_t> payload, std::span<const std::uint16_t> registers,
                         std::vector<std::uint16_t>* values)
{
    if (asyncframe::payloadCommand(payload) != asyncframe::kCommandRegisterData)
        return {LinkFault::WrongReply};
    const std::vector<asyncframe::Pair> pairs = asyncframe::registerDataPairs(payload);
    std::vector<std::uint16_t> found;
    found.reserve(registers.size());
    for (const std::uint16_t reg : registers) {
        const auto it = std::find_if(pairs.begin(), pairs.end(), [reg](const auto& p) { return p.reg == reg; });
        if (it == pairs.end())
            return {LinkFault::ShortReply, static_cast<int>(registers.size()), 0, static_cast<int>(pairs.size())};
        found.push_back(it->value);
    }
    for (const asyncframe::Pair& p : pairs) {
        if (std::find(registers.begin(), registers.end(), p.reg) == registers.end())
            return {LinkFault::WrongReply};
    }
    if (values != nullptr)
        values->insert(values->end(), found.begin(), found.end());
    return {};
}
