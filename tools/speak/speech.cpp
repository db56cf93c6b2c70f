#include "speak/speech.h"

#include <espeak-ng/speak_lib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "speak/phoneme_labels.h"

namespace zor::speak {
namespace {

bool espeak_ready(std::string& error) {
  static const int rate = espeak_Initialize(
      AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
      espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
  if (rate == kSampleRate) return true;
  error = rate < 0 ? "espeak-ng cannot be set up (is espeak-ng-data installed?)"
                   : "espeak-ng speaks at " + std::to_string(rate) + " Hz, not " +
                         std::to_string(kSampleRate);
  return false;
}

Speech* collecting = nullptr;  // the child's one utterance

int collect(short* wav, int count, espeak_EVENT* events) {
  if (wav != nullptr) collecting->samples.insert(collecting->samples.end(), wav, wav + count);
  for (const espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    if (event->type == espeakEVENT_WORD) {
      // The text position for now; split_joined_words makes it a word number.
      collecting->events.push_back({SpeechEvent::Kind::word,
                                    static_cast<std::uint32_t>(event->sample), {}, false,
                                    static_cast<std::uint32_t>(event->text_position)});
    } else if (event->type == espeakEVENT_PHONEME) {
      const char* name = event->id.string;
      collecting->events.push_back({SpeechEvent::Kind::phoneme,
                                    static_cast<std::uint32_t>(event->sample),
                                    std::string(name, strnlen(name, sizeof event->id.string)),
                                    false, 0});
    }
  }
  return 0;
}

bool is_pause(std::string_view phoneme) {
  const PhonemeLabel* entry = find_phoneme_label(phoneme);
  return entry != nullptr && entry->role == PhonemeRole::pause;
}

// A phoneme the table does not know counts as a sound: the labelling refuses it.
bool is_sound(std::string_view phoneme) {
  const PhonemeLabel* entry = find_phoneme_label(phoneme);
  return entry == nullptr || entry->role == PhonemeRole::sound;
}

// The phonemes of espeak-ng's transcription, stress marks removed and long
// marks kept, pauses left out.
std::vector<std::string> transcription(const std::string& text) {
  std::vector<std::string> phonemes;
  const void* rest = text.c_str();
  while (rest != nullptr) {
    std::istringstream clause(espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, ' ' << 8));
    std::string phoneme;
    while (clause >> phoneme) {
      phoneme.erase(0, phoneme.find_first_not_of("',"));
      if (!phoneme.empty() && !is_pause(phoneme)) phonemes.push_back(phoneme);
    }
  }
  return phonemes;
}

size_t sound_count(const std::vector<std::string>& phonemes) {
  size_t count = 0;
  for (const std::string& phoneme : phonemes) {
    std::string_view name = phoneme;
    if (name.size() > 1 && name.ends_with(':') && find_phoneme_label(name) == nullptr) name.remove_suffix(1);
    if (is_sound(name)) ++count;
  }
  return count;
}

// The words of the text (runs of non-blank bytes) and the character, counted
// from 1 as espeak-ng's text positions are, at which each begins.
struct TextWords {
  std::vector<std::string> words;
  std::vector<std::uint32_t> starts;

  explicit TextWords(const std::string& text) {
    std::uint32_t character = 0;
    bool in_word = false;
    for (char byte : text) {
      bool continuation = (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
      if (!continuation) ++character;
      bool blank = byte == ' ' || byte == '\t';
      if (!blank && !in_word) {
        words.emplace_back();
        starts.push_back(character);
      }
      if (!blank) words.back() += byte;
      in_word = !blank;
    }
  }
  // The number, from 1, of the word at a text position; 0 before the first.
  std::uint32_t word_at(std::uint32_t position) const {
    return static_cast<std::uint32_t>(std::upper_bound(starts.begin(), starts.end(), position) -
                                      starts.begin());
  }
};

// espeak-ng speaks some short words as one with the word after them ("nem
// szeretek", "ha kell") and sends one word event for both. Each word within
// gets its word event back at the sound where it would end if spoken alone.
void split_joined_words(const std::string& text, std::vector<SpeechEvent>& events) {
  TextWords text_words(text);
  const std::vector<std::string>& words = text_words.words;
  // A text position can fall a character or two short of its word (seen
  // after "ma" and after the article), yet every word event begins a later
  // word than the one before it.
  std::uint32_t last = 0;
  for (SpeechEvent& event : events) {
    if (event.kind != SpeechEvent::Kind::word) continue;
    event.word = std::max(last + 1, text_words.word_at(event.word));
    last = event.word;
  }
  auto sounds_of = [&](std::uint32_t word) { return sound_count(transcription(words[word - 1])); };

  std::vector<SpeechEvent> separated;
  std::uint32_t word = 0, next = 0;  // the word being spoken, the next word event's
  bool joined = false;
  size_t sounds_left = 0;  // of the word being spoken, when joined
  for (size_t i = 0; i < events.size(); ++i) {
    const SpeechEvent& event = events[i];
    if (event.kind == SpeechEvent::Kind::word) {
      word = event.word;
      auto later = std::find_if(events.begin() + static_cast<std::ptrdiff_t>(i) + 1, events.end(),
                                [](const SpeechEvent& e) { return e.kind == SpeechEvent::Kind::word; });
      next = later != events.end() ? later->word : static_cast<std::uint32_t>(words.size()) + 1;
      joined = word > 0 && next > word + 1 && next - 1 <= words.size();
      if (joined) sounds_left = sounds_of(word);
    } else if (joined && is_sound(event.phoneme)) {
      if (sounds_left == 0 && word + 1 < next) {
        ++word;
        separated.push_back({SpeechEvent::Kind::word, event.sample, {}, false, word});
        sounds_left = sounds_of(word);
      }
      if (sounds_left > 0) --sounds_left;
    }
    separated.push_back(event);
  }
  events = std::move(separated);
}

// Carries the transcription's long marks over to the phoneme events; the two
// list the same phonemes apart from pauses.
bool mark_lengthened(const std::vector<std::string>& transcribed, std::vector<SpeechEvent>& events,
                     std::string& error) {
  size_t next = 0;
  for (SpeechEvent& event : events) {
    if (event.kind != SpeechEvent::Kind::phoneme || is_pause(event.phoneme)) continue;
    const std::string* written = next < transcribed.size() ? &transcribed[next++] : nullptr;
    if (written != nullptr && *written == event.phoneme) continue;
    if (written != nullptr && *written == event.phoneme + ":") {
      event.lengthened = true;
      continue;
    }
    error = "espeak-ng spoke \"" + event.phoneme + "\" where its transcription has \"" +
            (written ? *written : std::string("nothing")) + "\"";
    return false;
  }
  if (next == transcribed.size()) return true;
  error = "espeak-ng's transcription has more phonemes than it spoke";
  return false;
}

bool speak_here(const std::string& text, const Speaker& speaker, Speech& speech, std::string& error) {
  if (espeak_SetVoiceByName(speaker.voice.c_str()) != EE_OK) {
    error = "espeak-ng has no voice \"" + speaker.voice + "\"";
    return false;
  }
  espeak_SetParameter(espeakRATE, speaker.rate, 0);
  std::vector<std::string> transcribed = transcription(text);
  collecting = &speech;
  espeak_SetSynthCallback(collect);
  espeak_ERROR spoken = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                     espeakCHARS_UTF8, nullptr, nullptr);
  collecting = nullptr;
  if (spoken != EE_OK) {
    error = "espeak-ng could not speak the text";
    return false;
  }
  if (!mark_lengthened(transcribed, speech.events, error)) return false;
  split_joined_words(text, speech.events);
  return true;
}

// What goes through the pipe: a header, the samples, the events.
struct Header {
  std::uint32_t samples, events, error_bytes;
};
struct WireEvent {
  SpeechEvent::Kind kind;
  bool lengthened;
  std::uint32_t sample, word;
  char phoneme[8];  // espeak-ng's names fit its event's 8 bytes
};

bool write_all(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t written = write(fd, bytes, size);
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool read_all(int fd, void* data, size_t size) {
  char* bytes = static_cast<char*>(data);
  while (size > 0) {
    ssize_t got = read(fd, bytes, size);
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

[[noreturn]] void speak_in_child(int fd, const std::string& text, const Speaker& speaker) {
  Speech speech;
  std::string error;
  bool spoken = speak_here(text, speaker, speech, error);
  if (!spoken) speech = Speech{};
  std::vector<WireEvent> events;
  for (const SpeechEvent& event : speech.events) {
    WireEvent wire{event.kind, event.lengthened, event.sample, event.word, {}};
    std::memcpy(wire.phoneme, event.phoneme.data(), std::min(event.phoneme.size(), sizeof wire.phoneme));
    events.push_back(wire);
  }
  Header header{static_cast<std::uint32_t>(speech.samples.size()),
                static_cast<std::uint32_t>(events.size()),
                static_cast<std::uint32_t>(error.size())};
  bool sent = write_all(fd, &header, sizeof header) &&
              write_all(fd, speech.samples.data(), speech.samples.size() * sizeof(std::int16_t)) &&
              write_all(fd, events.data(), events.size() * sizeof(WireEvent)) &&
              write_all(fd, error.data(), error.size());
  _exit(sent && spoken ? 0 : 1);
}

bool receive(int fd, Speech& speech, std::string& error) {
  Header header{};
  if (!read_all(fd, &header, sizeof header)) return false;
  speech.samples.resize(header.samples);
  std::vector<WireEvent> events(header.events);
  error.resize(header.error_bytes);
  if (!read_all(fd, speech.samples.data(), speech.samples.size() * sizeof(std::int16_t)) ||
      !read_all(fd, events.data(), events.size() * sizeof(WireEvent)) ||
      !read_all(fd, error.data(), error.size())) {
    return false;
  }
  speech.events.clear();
  for (const WireEvent& wire : events) {
    speech.events.push_back({wire.kind, wire.sample,
                             std::string(wire.phoneme, strnlen(wire.phoneme, sizeof wire.phoneme)),
                             wire.lengthened, wire.word});
  }
  return true;
}

}  // namespace

// espeak-ng keeps the phase of its voice source from one utterance to the
// next, so speaking the same text twice in one process gives samples a few
// apart. Every sentence is therefore spoken in a child process forked from
// one that has set espeak-ng up but never spoken, and sent back over a pipe.
bool speak(const std::string& utf8_text, const Speaker& speaker, Speech& speech,
           std::string& error) {
  speech = Speech{};
  if (!espeak_ready(error)) return false;
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) {
    error = "no pipe for espeak-ng";
    return false;
  }
  pid_t child = fork();
  if (child == 0) {
    close(pipe_ends[0]);
    speak_in_child(pipe_ends[1], utf8_text, speaker);
  }
  close(pipe_ends[1]);
  std::string child_error;
  bool received = child > 0 && receive(pipe_ends[0], speech, child_error);
  close(pipe_ends[0]);
  int status = 0;
  bool succeeded = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                   WEXITSTATUS(status) == 0;
  if (received && succeeded) return true;
  speech = Speech{};
  error = !child_error.empty() ? child_error
          : child < 0          ? "cannot start a process for espeak-ng"
                               : "espeak-ng stopped while speaking";
  return false;
}

}  // namespace zor::speak
