# Sources of ui/input, added to kalvora_ui.
