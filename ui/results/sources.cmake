# Sources of ui/results, added to kalvora_ui.
