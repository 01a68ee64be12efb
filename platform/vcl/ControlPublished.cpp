#include "Control.h"
#include "TypInfo.h"

// The published properties of the base classes, in the toolkit's order.

const TPublishedClass *TComponent::StaticComponentPublished()
{
    static const TPublishedClass info = TPublishedBuilder<TComponent>()
                                            .String("Name", &TComponent::Name, &TComponent::SetName)
                                            .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                            .Build();
    return &info;
}

const TPublishedClass *TComponent::PublishedClass() const
{
    return StaticComponentPublished();
}

const TPublishedClass *TControl::StaticControlPublished()
{
    static const TPublishedClass info =
        TPublishedBuilder<TControl>(TComponent::StaticComponentPublished())
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, 0)
            .String("Hint", &TControl::Hint, &TControl::SetHint)
            .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
            .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
            .Build();
    return &info;
}

const TPublishedClass *TControl::PublishedClass() const
{
    return StaticControlPublished();
}
