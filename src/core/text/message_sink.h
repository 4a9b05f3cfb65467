#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// Where the calculation sends its user messages (refrigerant mismatch, rating fall-backs).
// A window shows them; a list rebuild collects them and shows each distinct text once.
class MessageSink
{
  public:
    virtual ~MessageSink() = default;
    virtual void message(std::string_view text) = 0;
};

// Keeps every message in order.
class CollectingMessageSink : public MessageSink
{
  public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Keeps each distinct text once, in order of first appearance.
class DistinctMessageSink : public MessageSink
{
  public:
    void message(std::string_view text) override
    {
        for (const auto& known : messages)
            if (known == text)
                return;
        messages.emplace_back(text);
    }
    std::vector<std::string> messages;
};

class DiscardingMessageSink : public MessageSink
{
  public:
    void message(std::string_view) override {}
};

} // namespace kelvo
