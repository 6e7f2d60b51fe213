#pragma once

#include <array>
#include <cstddef>
#include <memory>

namespace toolkit {

// Controls that share a name and are told apart by an index, as Name(i).
template <class Control, std::size_t Count>
class ControlArray {
public:
    template <class Make>
    explicit ControlArray(Make make)
    {
        for (std::size_t index = 0; index < Count; ++index)
            controls_[index] = make(static_cast<int>(index));
    }

    Control& operator()(int index) const { return *controls_.at(static_cast<std::size_t>(index)); }
    static constexpr int size() { return static_cast<int>(Count); }

private:
    std::array<std::unique_ptr<Control>, Count> controls_;
};

} // namespace toolkit
