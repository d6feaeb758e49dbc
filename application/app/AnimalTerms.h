#pragma once
// The words for "female", "male" and "an animal" that the main dialog's tips
// and the configuration notes use, as terms, so that no bare token name
// reaches the user. A wording the user gave stays.
void RegisterAnimalTerms();
