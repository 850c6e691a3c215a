# Sources of ui/shell, added to kalvora_ui.
