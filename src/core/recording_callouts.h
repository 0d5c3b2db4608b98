// A call-out implementation that writes down every call, for tests that
// check what the engine asked the window to do.
#pragma once

#include <string>
#include <vector>

#include "core/callouts.h"

class RecordingCallouts : public ICallouts {
 public:
  std::vector<std::string> calls;     // one short line per call, in order
  std::vector<CardFlight> flights;
  std::vector<GameMessageBox> messages;
  bool messageAnswer = true;          // what ShowGameMessage answers

  void RepaintTable(bool show) override { calls.push_back(show ? "repaint" : "compose"); }
  void AnimateMove(const CardFlight& f) override {
    flights.push_back(f);
    calls.push_back("fly");
  }
  void PlaySound(int effect, int voice) override {
    calls.push_back("sound " + std::to_string(effect) + " " + std::to_string(voice));
  }
  void Pause(int ms) override { calls.push_back("pause " + std::to_string(ms)); }
  bool ShowGameMessage(const GameMessageBox& box) override {
    messages.push_back(box);
    calls.push_back("message");
    return messageAnswer;
  }
  void SaveUndo() override { calls.push_back("undo point"); }
  void SendMove(int value, int code) override {
    calls.push_back("send " + std::to_string(value) + " " + std::to_string(code));
  }
  void DealAndStart() override { calls.push_back("deal and start"); }
  void UpdateStatusBar() override { calls.push_back("status bar"); }
  void ShowComment(int id, int caption) override {
    calls.push_back("comment " + std::to_string(id) + " " + std::to_string(caption));
  }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
};
