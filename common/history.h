// Undo and redo for a model made of tables and values. Each step keeps only
// what it changed: the model's parts are imaged as bytes before and after the
// step, and the blocks that differ are kept with their old and new bytes. A
// step that draws one line of a network at capacity keeps a few hundred bytes;
// undo writes the old bytes back, so the model is restored bit for bit, the
// entries beyond the counts included.
#pragma once

#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace common {

/// One part of a model: its state as bytes, and the state set back from them.
class ModelPart {
 public:
  virtual ~ModelPart() = default;
  /// Appends the part's state to image.
  virtual void save(std::string& image) const = 0;
  /// Sets the part from what save wrote.
  virtual void load(std::string_view image) = 0;
};

/// The parts of a model, in a fixed order.
class ModelParts {
 public:
  /// A value that can be copied byte by byte (a count, a flag, a record).
  template <class T>
  void add(T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    parts_.push_back(std::make_unique<Bytes>(&value, sizeof(T)));
  }
  /// A table of such values, whatever its size.
  template <class T>
  void add(std::vector<T>& table) {
    static_assert(std::is_trivially_copyable_v<T>);
    parts_.push_back(std::make_unique<Table<T>>(table));
  }
  /// A table of tables.
  template <class T>
  void add(std::vector<std::vector<T>>& tables) {
    static_assert(std::is_trivially_copyable_v<T>);
    parts_.push_back(std::make_unique<Tables<T>>(tables));
  }
  void add(std::string& text) { parts_.push_back(std::make_unique<Text>(text)); }
  /// Any other part.
  void add(std::unique_ptr<ModelPart> part) { parts_.push_back(std::move(part)); }

  size_t size() const { return parts_.size(); }
  ModelPart& operator[](size_t i) const { return *parts_[i]; }

 private:
  struct Bytes : ModelPart {
    Bytes(void* p, size_t n) : at(p), size(n) {}
    void save(std::string& image) const override {
      image.append(static_cast<const char*>(at), size);
    }
    void load(std::string_view image) override { std::memcpy(at, image.data(), size); }
    void* at;
    size_t size;
  };
  template <class T>
  struct Table : ModelPart {
    explicit Table(std::vector<T>& t) : table(t) {}
    void save(std::string& image) const override {
      image.append(reinterpret_cast<const char*>(table.data()), table.size() * sizeof(T));
    }
    void load(std::string_view image) override {
      table.resize(image.size() / sizeof(T));
      if (!image.empty()) std::memcpy(table.data(), image.data(), image.size());
    }
    std::vector<T>& table;
  };
  template <class T>
  struct Tables : ModelPart {
    explicit Tables(std::vector<std::vector<T>>& t) : tables(t) {}
    void save(std::string& image) const override {
      const size_t n = tables.size();
      image.append(reinterpret_cast<const char*>(&n), sizeof n);
      for (const auto& t : tables) {
        const size_t m = t.size();
        image.append(reinterpret_cast<const char*>(&m), sizeof m);
        image.append(reinterpret_cast<const char*>(t.data()), m * sizeof(T));
      }
    }
    void load(std::string_view image) override {
      size_t n = 0, at = sizeof n;
      std::memcpy(&n, image.data(), sizeof n);
      tables.resize(n);
      for (auto& t : tables) {
        size_t m = 0;
        std::memcpy(&m, image.data() + at, sizeof m);
        at += sizeof m;
        t.resize(m);
        if (m) std::memcpy(t.data(), image.data() + at, m * sizeof(T));
        at += m * sizeof(T);
      }
    }
    std::vector<std::vector<T>>& tables;
  };
  struct Text : ModelPart {
    explicit Text(std::string& s) : text(s) {}
    void save(std::string& image) const override { image += text; }
    void load(std::string_view image) override { text.assign(image); }
    std::string& text;
  };

  std::vector<std::unique_ptr<ModelPart>> parts_;
};

/// The steps done on a model, to be undone and redone in turn.
class History {
 public:
  static constexpr size_t kDefaultLimit = 100;

  /// parts must outlive the history.
  explicit History(const ModelParts& parts, size_t limit = kDefaultLimit);

  /// Images the model before a step.
  void begin();
  /// Ends the step begun: what changed becomes a step of that name (a step
  /// that changed nothing is not kept) and the steps undone before are gone.
  /// Returns whether a step was kept.
  bool commit(const std::string& name);
  /// begin, the change, commit; when the change throws, what it changed
  /// before the error is kept as the step and the error goes on.
  void record(const std::string& name, const std::function<void()>& change);

  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  /// Names of the step undo and redo would take back or do again.
  std::string undoName() const;
  std::string redoName() const;
  void undo();
  void redo();

  /// A new history (after a file is opened); the state now counts as saved.
  void clear();
  /// The state now is the one in its file.
  void markSaved();
  /// True while the state is the one last marked saved.
  bool atSaved() const { return saved_ == static_cast<long>(done_); }

  size_t steps() const { return steps_.size(); }
  /// Bytes held by the steps.
  size_t bytes() const;

 private:
  struct Change {
    size_t part;
    size_t offset;       // for a block change; ignored when whole
    bool whole;          // the part changed size: both images kept whole
    std::string before;  // the bytes before the step
    std::string after;   // the bytes after it
  };
  struct Step {
    std::string name;
    std::vector<Change> changes;
  };

  std::vector<std::string> image() const;
  void apply(const Step& step, bool forward);

  const ModelParts& parts_;
  size_t limit_;
  std::deque<Step> steps_;
  size_t done_ = 0;  // steps_[0 .. done_) are done
  long saved_ = 0;   // done_ when the state was saved; -1 when no kept state is
  std::vector<std::string> before_;
};

}  // namespace common
