#include "platform/midi/MidiLibrary.h"

#include <algorithm>

namespace strumly {

namespace {

std::uint32_t describe(const std::vector<std::string>& names, std::uint32_t device, std::string& name) {
  if (device >= names.size()) return 0;
  name = names[device].substr(0, MidiLibrary::kDescriptionSize - 1);
  return 1;
}

}  // namespace

// Hands what one sync's scheduler makes due to the outputs (under the library's lock, so a stop
// can never overtake a note) and collects the messages to post once the lock is released.
class MidiLibrary::Dispatcher final : public SchedulerListener {
 public:
  Dispatcher(MidiLibrary& library, Sync& sync, std::int64_t now, std::vector<Pending>& pending)
      : library_(library), sync_(sync), now_(now), pending_(pending) {}

  void onDispatch(std::uint32_t output, const ShortMessage& message, std::uint64_t tick,
                  std::int64_t dueMicros) override {
    if (Output* out = library_.findOutput(output)) out->device->play({message, tick, dueMicros, now_});
  }
  void onMessage(std::uint32_t output, std::uint32_t message, std::uint32_t param) override {
    SharedPoster poster = sync_.poster;
    if (Output* out = library_.findOutput(output); out != nullptr && out->poster && *out->poster) {
      poster = out->poster;
    }
    if (poster && *poster) pending_.push_back({std::move(poster), message, param});
  }
  void onSilence(std::uint32_t output, std::uint16_t channelMask) override {
    if (Output* out = library_.findOutput(output)) out->device->silence(channelMask);
  }

 private:
  MidiLibrary& library_;
  Sync& sync_;
  std::int64_t now_;
  std::vector<Pending>& pending_;
};

MidiLibrary::MidiLibrary()
    : MidiLibrary(std::make_unique<SystemMidiDevices>(), std::make_unique<RealMidiClock>()) {}

MidiLibrary::MidiLibrary(std::unique_ptr<MidiDevices> devices, std::unique_ptr<MidiClock> clock)
    : devices_(std::move(devices)), clock_(std::move(clock)) {
  clock_->drive([this](std::int64_t now) { return step(now); });
}

MidiLibrary::~MidiLibrary() {
  clock_->halt();
  std::lock_guard lock(mutex_);
  for (auto& [handle, output] : outputs_) output.device->silence(0xFFFF);
}

std::optional<std::int64_t> MidiLibrary::step(std::int64_t nowMicros) {
  std::vector<Pending> pending;
  std::optional<std::int64_t> next;
  std::unique_lock postLock(postMutex_);
  {
    std::lock_guard lock(mutex_);
    for (auto& [handle, sync] : syncs_) {
      Dispatcher dispatcher(*this, sync, nowMicros, pending);
      sync.scheduler.advance(nowMicros, dispatcher);
      if (auto deadline = sync.scheduler.nextDeadline()) next = next ? std::min(*next, *deadline) : *deadline;
    }
    collectLosses(pending);
  }
  for (const Pending& p : pending) (*p.poster)(p.message, p.param);
  return next;
}

void MidiLibrary::collectLosses(std::vector<Pending>& pending) {
  for (auto& [handle, output] : outputs_) {
    if (output.lossPosted || !output.device->lost()) continue;
    output.lossPosted = true;
    if (output.poster && *output.poster) pending.push_back({output.poster, kMsgOutputLost, handle});
  }
}

MidiLibrary::Sync* MidiLibrary::findSync(std::uint32_t handle) {
  auto it = syncs_.find(handle);
  return it == syncs_.end() ? nullptr : &it->second;
}

MidiLibrary::Output* MidiLibrary::findOutput(std::uint32_t handle) {
  auto it = outputs_.find(handle);
  return it == outputs_.end() ? nullptr : &it->second;
}

std::uint32_t MidiLibrary::GetNumOutDevices() {
  std::lock_guard lock(mutex_);
  outputNames_ = devices_->outputNames();
  return static_cast<std::uint32_t>(outputNames_.size());
}

std::uint32_t MidiLibrary::GetNumInDevices() {
  std::lock_guard lock(mutex_);
  inputNames_ = devices_->inputNames();
  return static_cast<std::uint32_t>(inputNames_.size());
}

std::uint32_t MidiLibrary::GetMidiOutDescription(std::uint32_t device, std::string& name) {
  std::lock_guard lock(mutex_);
  if (outputNames_.empty()) outputNames_ = devices_->outputNames();
  return describe(outputNames_, device, name);
}

std::uint32_t MidiLibrary::GetMidiInDescription(std::uint32_t device, std::string& name) {
  std::lock_guard lock(mutex_);
  if (inputNames_.empty()) inputNames_ = devices_->inputNames();
  return describe(inputNames_, device, name);
}

std::string MidiLibrary::builtInSynthStatus() {
  std::lock_guard lock(mutex_);
  return devices_->builtInStatus();
}

std::uint32_t MidiLibrary::OpenSync(std::uint32_t, MidiPoster poster, std::uint32_t, std::uint32_t) {
  std::lock_guard lock(mutex_);
  const std::uint32_t handle = newHandle();
  syncs_[handle].poster = std::make_shared<const MidiPoster>(std::move(poster));
  return handle;
}

std::uint32_t MidiLibrary::OpenMidiOut(MidiPoster poster, std::uint32_t device, std::uint32_t syncHandle,
                                       std::uint32_t) {
  std::lock_guard lock(mutex_);
  if (outputNames_.empty()) outputNames_ = devices_->outputNames();
  std::unique_ptr<MidiOutput> opened = devices_->openOutput(device);
  if (!opened) return 0;
  const std::uint32_t handle = newHandle();
  Output& output = outputs_[handle];
  output.device = std::move(opened);
  output.poster = std::make_shared<const MidiPoster>(std::move(poster));
  if (Sync* sync = findSync(syncHandle)) {
    output.sync = syncHandle;
    sync->scheduler.addOutput(handle);
  }
  return handle;
}

std::uint32_t MidiLibrary::OpenMidiIn(const MidiPoster&, std::uint32_t device, std::uint32_t, std::uint32_t) {
  std::lock_guard lock(mutex_);
  if (inputNames_.empty()) inputNames_ = devices_->inputNames();
  std::unique_ptr<MidiInputPort> opened = devices_->openInput(device);
  if (!opened) return 0;
  const std::uint32_t handle = newHandle();
  inputs_[handle] = std::move(opened);
  return handle;
}

std::uint32_t MidiLibrary::PutMidiOut(std::uint32_t outHandle, const MidiEvent& event) {
  std::vector<Pending> pending;
  {
    std::lock_guard lock(mutex_);
    Output* output = findOutput(outHandle);
    if (output == nullptr) return 1;
    if (Sync* sync = findSync(output->sync)) {
      if (!sync->scheduler.put(outHandle, event)) return 1;
      if (sync->scheduler.running()) clock_->wake();
      return 0;
    }
    if (isChannelStatus(event.status)) output->device->playNow({event.status, event.data1, event.data2});
    if (isMarkerStatus(event.status) && output->poster)
      pending.push_back({output->poster, markerMessage(event.status), packMarkerParam(event)});
    collectLosses(pending);
  }
  for (const Pending& p : pending)
    if (*p.poster) (*p.poster)(p.message, p.param);
  return 0;
}

bool MidiLibrary::SetTempo(std::uint32_t syncHandle, std::uint32_t tempoMicros) {
  std::lock_guard lock(mutex_);
  Sync* sync = findSync(syncHandle);
  if (sync == nullptr) return false;
  sync->scheduler.setTempo(tempoMicros, clock_->now());
  clock_->wake();
  return true;
}

bool MidiLibrary::StartSync(std::uint32_t syncHandle) {
  std::lock_guard lock(mutex_);
  Sync* sync = findSync(syncHandle);
  if (sync == nullptr) return false;
  sync->scheduler.start(clock_->now());
  clock_->wake();
  return true;
}

bool MidiLibrary::PauseSync(std::uint32_t syncHandle, std::uint32_t) {
  std::lock_guard lock(mutex_);
  Sync* sync = findSync(syncHandle);
  if (sync == nullptr) return false;
  sync->scheduler.pause(clock_->now());
  clock_->wake();
  return true;
}

bool MidiLibrary::ReStartSync(std::uint32_t syncHandle) {
  std::lock_guard lock(mutex_);
  Sync* sync = findSync(syncHandle);
  if (sync == nullptr) return false;
  sync->scheduler.restart(clock_->now());
  clock_->wake();
  return true;
}

bool MidiLibrary::StopSync(std::uint32_t syncHandle) {
  std::lock_guard lock(mutex_);
  Sync* sync = findSync(syncHandle);
  if (sync == nullptr) return false;
  std::vector<Pending> unused;
  Dispatcher dispatcher(*this, *sync, clock_->now(), unused);
  sync->scheduler.stop(dispatcher);
  clock_->wake();
  return true;
}

bool MidiLibrary::FlushMidiOut(std::uint32_t outHandle) {
  std::lock_guard lock(mutex_);
  Output* output = findOutput(outHandle);
  if (output == nullptr) return false;
  if (Sync* sync = findSync(output->sync)) sync->scheduler.flush(outHandle, clock_->now());
  return true;
}

bool MidiLibrary::CloseMidiOut(std::uint32_t outHandle) {
  std::unique_ptr<MidiOutput> device;
  {
    std::lock_guard lock(mutex_);
    auto it = outputs_.find(outHandle);
    if (it == outputs_.end()) return false;
    if (Sync* sync = findSync(it->second.sync)) sync->scheduler.removeOutput(outHandle);
    device = std::move(it->second.device);
    outputs_.erase(it);
    device->silence(0xFFFF);
  }
  waitForPosts();
  return true;
}

bool MidiLibrary::CloseMidiIn(std::uint32_t inHandle) {
  std::lock_guard lock(mutex_);
  return inputs_.erase(inHandle) != 0;
}

bool MidiLibrary::CloseSync(std::uint32_t syncHandle) {
  {
    std::lock_guard lock(mutex_);
    auto it = syncs_.find(syncHandle);
    if (it == syncs_.end()) return false;
    std::vector<Pending> unused;
    Dispatcher dispatcher(*this, it->second, clock_->now(), unused);
    it->second.scheduler.stop(dispatcher);
    // Outputs it drove stay open and play their events at once from now on.
    for (auto& [handle, output] : outputs_) {
      if (output.sync == syncHandle) output.sync = 0;
    }
    syncs_.erase(it);
  }
  waitForPosts();
  return true;
}

std::uint32_t MidiLibrary::midiOutOpen(std::uint32_t device) {
  std::lock_guard lock(mutex_);
  if (outputNames_.empty()) outputNames_ = devices_->outputNames();
  std::unique_ptr<MidiOutput> opened = devices_->openOutput(device);
  if (!opened) return 0;
  const std::uint32_t handle = newHandle();
  direct_[handle] = std::move(opened);
  return handle;
}

bool MidiLibrary::midiOutShortMsg(std::uint32_t directHandle, std::uint32_t message) {
  std::lock_guard lock(mutex_);
  auto it = direct_.find(directHandle);
  const ShortMessage m = ShortMessage::unpack(message);
  if (it == direct_.end() || !isChannelStatus(m.status)) return false;
  it->second->playNow(m);
  return true;
}

bool MidiLibrary::midiOutClose(std::uint32_t directHandle) {
  std::lock_guard lock(mutex_);
  auto it = direct_.find(directHandle);
  if (it == direct_.end()) return false;
  it->second->silence(0xFFFF);
  direct_.erase(it);
  return true;
}

std::size_t MidiLibrary::queuedEvents(std::uint32_t outHandle) {
  std::lock_guard lock(mutex_);
  Output* output = findOutput(outHandle);
  if (output == nullptr) return 0;
  Sync* sync = findSync(output->sync);
  return sync == nullptr ? 0 : sync->scheduler.queued(outHandle);
}

}  // namespace strumly
