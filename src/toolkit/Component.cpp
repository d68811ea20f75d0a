#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) {
        owner_->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ != nullptr) {
        owner_->RemoveComponent(this);
    }
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        // The remaining siblings may still hold references to it.
        TComponent::Notification(last, opRemove);
        delete last;
    }
}

void TComponent::SetDesigning(bool value) {
    state_ = static_cast<std::uint8_t>(value ? (state_ | csDesigning) : (state_ & ~csDesigning));
    for (TComponent* component : components_) {
        component->SetDesigning(value);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    auto found = std::find_if(components_.begin(), components_.end(),
                              [name](const TComponent* c) { return c->name_ == name; });
    return found == components_.end() ? nullptr : *found;
}

void TComponent::Loaded() {
    state_ = static_cast<std::uint8_t>(state_ & ~csLoading);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Indexed from the end: a notice may make a component drop out of the list.
    for (std::size_t i = components_.size(); i > 0; --i) {
        if (i <= components_.size()) {
            components_[i - 1]->Notification(component, operation);
        }
    }
}

void TComponent::InsertComponent(TComponent* component) {
    components_.push_back(component);
    if (IsDesigning()) {
        component->SetDesigning(true);
    }
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, opRemove);
    auto found = std::find(components_.begin(), components_.end(), component);
    if (found != components_.end()) {
        components_.erase(found);
    }
    component->owner_ = nullptr;
}
