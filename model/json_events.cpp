#include "json_events.h"

#include <utility>

namespace kalvora::model::detail {

Json::value_t JsonEvent::type() const
{
    switch (kind) {
    case Kind::StartObject:
        return Json::value_t::object;
    case Kind::StartArray:
        return Json::value_t::array;
    case Kind::Value:
        return text ? Json::value_t::string : scalar->type();
    case Kind::Key:
    case Kind::End:
        break;
    }
    return Json::value_t::discarded;
}

const char *typeName(Json::value_t type)
{
    switch (type) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::object:
        return "an object";
    case Json::value_t::array:
        return "an array";
    case Json::value_t::string:
        return "a string";
    case Json::value_t::boolean:
        return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return "a number";
    case Json::value_t::binary:
    case Json::value_t::discarded:
        break;
    }
    return "something else";
}

Json *JsonTree::place(Json value)
{
    if (m_stack.empty()) {
        m_root = std::move(value);
        return &m_root;
    }
    Json &parent = *m_stack.back();
    if (parent.is_object()) {
        Json &slot = parent[m_key];
        slot = std::move(value);
        return &slot;
    }
    parent.push_back(std::move(value));
    return &parent.back();
}

bool JsonTree::take(const JsonEvent &event)
{
    using Kind = JsonEvent::Kind;
    switch (event.kind) {
    case Kind::Key:
        m_key = std::move(*event.text);
        return false;
    case Kind::Value:
        place(event.text ? Json(std::move(*event.text)) : *event.scalar);
        break;
    case Kind::StartObject:
        // A container's address stays put while it is open: its parent grows only after it.
        m_stack.push_back(place(Json::object()));
        return false;
    case Kind::StartArray:
        m_stack.push_back(place(Json::array()));
        return false;
    case Kind::End:
        m_stack.pop_back();
        break;
    }
    return m_stack.empty();
}

Json JsonTree::release()
{
    m_stack.clear();
    return std::exchange(m_root, Json());
}

} // namespace kalvora::model::detail
