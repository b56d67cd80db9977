// A map for the few handles and resources the window backend keeps: linear
// search over nodes that never move, so references and pointers into it stay
// valid while other entries come and go (windows are created from inside the
// handlers of others). Used instead of std::map, whose tree code comes from
// a library built for the Pentium Pro.
#pragma once

#include <memory>
#include <utility>
#include <vector>

template <typename K, typename V>
class SmallMap {
public:
    using value_type = std::pair<const K, V>;
    using iterator = value_type*;  // null is end()

    iterator end() const { return nullptr; }
    iterator find(const K& key) const {
        for (const auto& node : nodes_)
            if (node->first == key) return node.get();
        return nullptr;
    }
    V& operator[](const K& key) {
        iterator it = find(key);
        return it ? it->second : Insert(key, V{})->second;
    }
    std::pair<iterator, bool> emplace(const K& key, V value) {
        iterator it = find(key);
        if (it) return {it, false};
        return {Insert(key, std::move(value)), true};
    }
    void erase(iterator it) {
        for (size_t i = 0; i < nodes_.size(); ++i)
            if (nodes_[i].get() == it) {
                nodes_.erase(nodes_.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
    }
    size_t erase(const K& key) {
        iterator it = find(key);
        if (!it) return 0;
        erase(it);
        return 1;
    }
    size_t size() const { return nodes_.size(); }

private:
    iterator Insert(const K& key, V value) {
        nodes_.push_back(std::make_unique<value_type>(key, std::move(value)));
        return nodes_.back().get();
    }
    std::vector<std::unique_ptr<value_type>> nodes_;
};
