#include "web/answered_input.h"

#include "base/messages.h"

namespace casl2wb::web {

std::optional<std::string> Answers::next(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText) {
  if (used_ >= answers_.size()) {
    throw QuestionAsked{{{"prompt", prompt}, {"title", title}, {"defaultText", defaultText}}};
  }
  const nlohmann::json& answer = answers_[used_++];
  if (!answer.is_string()) return std::nullopt;
  return answer.get<std::string>();
}

std::string AnsweredDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  return answers_.next(prompt, title, defaultText).value_or("");
}

std::optional<std::string> AnsweredTerminal::readLine() {
  return answers_.next(formatMessage(Message::StdInputPrompt), formatMessage(Message::InputTitle),
                       "");
}

}  // namespace casl2wb::web
